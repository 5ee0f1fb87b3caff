#include "programicon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <optional>

namespace wm {

namespace {

// The pictures are read when a window system first asks for them (never, on a platform
// that shows no window icons), and read as what they are: QIcon::addFile would first try
// every image plugin on each file, loading them all, and decode every size at once.
class ProgramIconEngine : public QIconEngine {
  public:
    explicit ProgramIconEngine(QString program) : program_(std::move(program)) {}

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("wmProgramIcon"); }
    bool isNull() override { return pictures().isNull(); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return pictures().availableSizes(mode, state);
    }
    // The sizes here are in device pixels already: the pictures are asked at ratio 1.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pictures().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        return pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qGuiApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

  private:
    const QIcon& pictures() {
        if (!pictures_) {
            pictures_.emplace();
            for (int size : {48, 128, 256}) {
                QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(program_).arg(size),
                                    "png");
                // Only the named format: trying every plugin first would load them all.
                reader.setAutoDetectImageFormat(false);
                QImage image = reader.read();
                if (image.size() == QSize(size, size))
                    pictures_->addPixmap(QPixmap::fromImage(std::move(image)));
            }
        }
        return *pictures_;
    }

    QString program_;
    std::optional<QIcon> pictures_;
};

}  // namespace

QIcon programIcon(const QString& program) {
    return QIcon(new ProgramIconEngine(program));
}

}  // namespace wm
