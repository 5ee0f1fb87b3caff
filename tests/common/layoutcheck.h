#pragma once

#include <QAbstractScrollArea>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

namespace wmtest {

// What a user would see as a broken layout: visible controls side by side that overlap, or
// a control squeezed below the smallest size its layout asks for. Each finding names the
// controls (object name, else class and text) so a failure says where to look.
inline QString describe(const QWidget* w) {
    QString name = w->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(w->metaObject()->className());
    const QVariant text = w->property("text");
    if (text.isValid() && !text.toString().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(text.toString());
    return name;
}

inline void collectLayoutFaults(const QWidget* parent, QStringList& faults) {
    QList<const QWidget*> shown;
    for (const QObject* child : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (!w || !w->isVisibleTo(parent) || w->isWindow() || qobject_cast<const QMenu*>(w))
            continue;
        shown.append(w);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget* w = shown[i];
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (w->geometry().intersects(shown[j]->geometry()))
                faults << QStringLiteral("%1 overlaps %2").arg(describe(w), describe(shown[j]));
        }
        if (parent->layout() && !qobject_cast<const QMenuBar*>(w)) {
            const QSize least = w->minimumSize().isNull()
                                    ? w->minimumSizeHint()
                                    : w->minimumSize().expandedTo(QSize(0, 0));
            if (w->width() < least.width() || w->height() < least.height())
                faults << QStringLiteral("%1 is cut: %2x%3 < %4x%5")
                              .arg(describe(w))
                              .arg(w->width())
                              .arg(w->height())
                              .arg(least.width())
                              .arg(least.height());
        }
        // The parts of a scroll area and of a menu bar are the toolkit's own business.
        if (!qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QMenuBar*>(w))
            collectLayoutFaults(w, faults);
    }
}

// Where a label's text ends, in window coordinates: a wide label keeps its text at its
// left edge unless it is aligned otherwise.
inline int textRight(const QLabel* label, const QWidget* window) {
    const QRect area(label->mapTo(window, label->contentsRect().topLeft()),
                     label->contentsRect().size());
    const int width =
        label->fontMetrics().horizontalAdvance(QString(label->text()).remove(QLatin1Char('&')));
    if (label->alignment() & Qt::AlignRight)
        return area.right();
    if (label->alignment() & Qt::AlignHCenter)
        return area.center().x() + width / 2;
    return area.left() + label->margin() + label->indent() + width;
}

// How far each label's text stands from the box it names, side by side in one row: a label
// "xLabel" or "xCaption" and its box "xBox", "xList" or "x", both shown. A window
// that grows keeps these as they were.
inline QStringList labelGaps(const QWidget* window) {
    QStringList gaps;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        QString prefix = label->objectName();
        if (!label->isVisible() ||
            !(prefix.endsWith(QLatin1String("Label")) || prefix.endsWith(QLatin1String("Caption"))))
            continue;
        prefix.chop(prefix.endsWith(QLatin1String("Label")) ? 5 : 7);
        for (const char* suffix : {"Box", "List", ""}) {
            const auto* box = window->findChild<QWidget*>(prefix + QLatin1String(suffix));
            if (!box || box == label || !box->isVisible())
                continue;
            const QRect l(label->mapTo(window, QPoint()), label->size());
            const QRect b(box->mapTo(window, QPoint()), box->size());
            if (l.bottom() < b.top() || b.bottom() < l.top())
                continue;  // above or below its box
            gaps << QStringLiteral("%1 stands %2 px from %3")
                        .arg(label->objectName())
                        .arg(b.left() - textRight(label, window) - 1)
                        .arg(box->objectName());
        }
    }
    return gaps;
}

inline QStringList layoutFaults(const QWidget* window) {
    QStringList faults;
    collectLayoutFaults(window, faults);
    return faults;
}

}  // namespace wmtest
