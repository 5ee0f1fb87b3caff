#include "characterhistorywindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

#include "desktopinput.h"
#include "keyfilter.h"
#include "numbers.h"
#include "savelists.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// Load size: 6570 x 5820 twips at 15 twips per pixel.
constexpr int kLoadWidth = 6570 / 15;
constexpr int kLoadHeight = 5820 / 15;

// Slots 7..12 can show sections 7..28, then 30 and 31 (saved as codes 29 and 30).
constexpr int kFirstListedCode = 7;
constexpr int kLastListedCode = 30;

double valueOf(const QString& text) {
    return toNumber(text).value_or(0);
}

// A saved level shows without its leading zeros ("045" as 45).
QString levelText(const QString& tag) {
    if (tag.isEmpty())
        return QString();
    const auto v = toNumber(tag);
    return v ? numText(floorInt(*v)) : tag;
}

QComboBox* makeList(const QString& tip, bool editable) {
    auto* list = new QComboBox;
    list->setToolTip(tip);
    list->setEditable(editable);
    if (editable)
        list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

}  // namespace

CharacterHistoryWindow::CharacterHistoryWindow(AppData& data, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs) {
    installDesktopInput();
    setObjectName(QStringLiteral("characterHistoryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("PCデータ表示"));
    QFont base = font();
    base.setFamilies({QStringLiteral("Noto Sans CJK JP"), base.family()});
    base.setPointSize(9);
    setFont(base);

    buildControls();
    buildLayout();
    installKeyHandlers();
    fillWorkLists();
    resize(QSize(kLoadWidth, kLoadHeight).expandedTo(minimumSizeHint()));
}

void CharacterHistoryWindow::buildControls() {
    frmPCS = new QGroupBox;
    frmPCS->setToolTip(QStringLiteral("PCデータを入力します"));
    frmWork = new QGroupBox;

    struct Caption {
        int label;
        const char* text;
        const char* tip;
    };
    const Caption captions[] = {
        {0, "名声", "名声の値を入力します"},
        {1, "名前", "保存したキャラ名を選択します"},
        {2, "日付", "選択したキャラの保存日時を選択します"},
        {3, "職業", "職業が表示されます"},
        {4, "Lv．", "自分のレベルを入力します"},
        {5, "ＨＰ", "HPの値を入力します"},
        {6, "体力", "体力の値を入力します"},
        {7, "知力", "知力の値を入力します"},
        {8, "幸運", "幸運の値を入力します"},
        {9, "ＭＰ", "MPの値を入力します"},
        {10, "敏捷", "敏捷の値を入力します"},
        {11, "筋力", "筋力の値を入力します"},
        {12, "魅力", "魅力の値を入力します"},
    };
    for (const Caption& c : captions) {
        auto* label = new QLabel(QString::fromUtf8(c.text));
        label->setToolTip(QString::fromUtf8(c.tip));
        lblPC[size_t(c.label)] = label;
    }

    cmbPC[1] = makeList(QStringLiteral("保存したキャラ名を選択します"), false);
    cmbPC[2] = makeList(QStringLiteral("選択したキャラの保存日時を選択します"), false);
    for (int i : {1, 2}) {
        connect(cmbPC[size_t(i)], &QComboBox::activated, this, [this, i] { listChosen(i); });
    }

    for (int j = 2; j <= 12; ++j) {
        auto* box = new QLineEdit;
        // Boxes 3 and 4 carry the level text as the window has always shown it.
        const int tipLabel = j == 2 ? 0 : j;
        box->setToolTip(j == 3 || j == 4 ? QStringLiteral("自分のレベルが表示されます")
                                         : lblPC[size_t(tipLabel)]->toolTip());
        txtPC[size_t(j)] = box;
        connect(box, &QLineEdit::textChanged, this, [this] { showWorkRowsForFame(); });
    }

    const QStringList fixedWorks = {QStringLiteral("狩猟"),       QStringLiteral("木こり"),
                                    QStringLiteral("釣り"),       QStringLiteral("農作業"),
                                    QStringLiteral("ハーブ採り"), QStringLiteral("鉱石掘り")};
    for (int k = 1; k <= 12; ++k) {
        auto* check = new QCheckBox;
        check->setToolTip(QStringLiteral("掲示板用に出力する場合はチェックしてください"));
        chkWork[size_t(k)] = check;
        auto* list = makeList(QStringLiteral("作業名を選択します"), true);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(7);
        if (k <= 6)
            list->addItem(fixedWorks.at(k - 1));
        cmbWork[size_t(k)] = list;
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, k] { restoreSavedWork(k); });
        auto* level = new QLineEdit;
        level->setToolTip(QStringLiteral("作業のレベルを入力します"));
        txtWork[size_t(k)] = level;
    }
}

void CharacterHistoryWindow::buildLayout() {
    // Short boxes: a level takes three digits, the status values up to six.
    const int shortBox = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10;
    for (int j = 4; j <= 12; ++j)
        txtPC[size_t(j)]->setFixedWidth(shortBox);
    txtPC[2]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 10);

    auto* pcs = new QGridLayout(frmPCS);
    pcs->setContentsMargins(8, 8, 8, 8);
    pcs->setHorizontalSpacing(6);
    pcs->setVerticalSpacing(5);
    pcs->addWidget(lblPC[1], 0, 0);
    pcs->addWidget(cmbPC[1], 0, 1, 1, 3);
    pcs->addWidget(lblPC[2], 1, 0);
    pcs->addWidget(cmbPC[2], 1, 1, 1, 3);
    pcs->addWidget(lblPC[0], 2, 0);
    pcs->addWidget(txtPC[2], 2, 1, 1, 3, Qt::AlignLeft);
    pcs->addWidget(lblPC[3], 3, 0);
    pcs->addWidget(txtPC[3], 3, 1, 1, 3);
    pcs->addWidget(lblPC[4], 4, 0);
    pcs->addWidget(txtPC[4], 4, 1);
    // Status values in two columns: HP and MP on top, as the game lists them.
    for (int i = 0; i < 4; ++i) {
        pcs->addWidget(lblPC[size_t(5 + i)], 5 + i, 0);
        pcs->addWidget(txtPC[size_t(5 + i)], 5 + i, 1);
        pcs->addWidget(lblPC[size_t(9 + i)], 5 + i, 2);
        pcs->addWidget(txtPC[size_t(9 + i)], 5 + i, 3);
    }
    pcs->setColumnStretch(3, 1);
    pcs->setRowStretch(9, 1);

    auto* work = new QGridLayout(frmWork);
    work->setContentsMargins(8, 8, 8, 8);
    work->setHorizontalSpacing(4);
    work->setVerticalSpacing(3);
    const int levelBox = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10;
    for (int k = 1; k <= 12; ++k) {
        txtWork[size_t(k)]->setFixedWidth(levelBox);
        work->addWidget(chkWork[size_t(k)], k - 1, 0);
        work->addWidget(cmbWork[size_t(k)], k - 1, 1);
        work->addWidget(txtWork[size_t(k)], k - 1, 2);
    }
    work->setColumnStretch(1, 1);
    work->setRowStretch(12, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(frmPCS, 1);
    layout->addWidget(frmWork, 1);

    // Tab order follows the numbering: lists, fame, job, level, status, then the slots.
    QList<QWidget*> order = {cmbPC[1], cmbPC[2]};
    for (int j = 2; j <= 12; ++j)
        order << txtPC[size_t(j)];
    for (int k = 1; k <= 12; ++k)
        order << chkWork[size_t(k)] << cmbWork[size_t(k)] << txtWork[size_t(k)];
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CharacterHistoryWindow::installKeyHandlers() {
    for (int i : {1, 2}) {
        QComboBox* list = cmbPC[size_t(i)];
        // The lists only change by choosing an entry; Enter moves on.
        KeyFilter::install(list, [list](int& code) {
            if (code == kKeyEnter)
                focusNextControl(list);
            code = 0;
        });
    }
    for (int j = 2; j <= 12; ++j) {
        QLineEdit* box = txtPC[size_t(j)];
        const int maxBytes = j == 2 ? 9 : (j == 5 || j == 9) ? 5 : 3;
        KeyFilter::install(box, [this, box, maxBytes](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                showWorkRowsForFame();
                focusNextControl(box);
                return;
            }
            if (code >= '0' && code <= '9' && !box->hasSelectedText() &&
                byteLength(box->text()) > maxBytes)
                code = 0;
        });
    }
}

void CharacterHistoryWindow::fillWorkLists() {
    QStringList names = {QString()};
    for (int s = 7; s <= 28; ++s)
        names << data_.products.sectionName(s);
    // Section 29 is not a work; 30 and 31 are the last two works of the game.
    for (int s : {30, 31})
        names << data_.products.sectionName(s);
    for (int k = 7; k <= 12; ++k)
        refillList(cmbWork[size_t(k)], names);
}

int CharacterHistoryWindow::workListPos(double code) {
    if (code != std::floor(code) || code < kFirstListedCode || code > kLastListedCode)
        return -1;
    return int(code) - 6;
}

bool CharacterHistoryWindow::showSavedCharacters() {
    const QStringList names = data_.history.names();
    refillList(cmbPC[1], names);
    if (cmbPC[1]->count() == 0) {
        dialogs_.messageBox(
            QStringLiteral("キャラデータが保存されていないか\r\n保存形式が不正です"),
            data_.appTitle, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        return false;
    }
    chooseEntry(cmbPC[1], 0);
    show();
    raise();
    activateWindow();
    return true;
}

void CharacterHistoryWindow::showWorkRowsForFame() {
    const auto fame = toNumber(txtPC[2]->text());
    if (!fame) {
        // Setting the text comes back here through the change handler.
        txtPC[2]->setText(QStringLiteral("0"));
        return;
    }
    const double v = *fame;
    const int rows = v < 0 ? 12 : v <= 2500 ? 9 : v <= 5000 ? 10 : v <= 15000 ? 11 : 12;
    for (int k = 10; k <= 12; ++k) {
        chkWork[size_t(k)]->hide();
        cmbWork[size_t(k)]->hide();
        txtWork[size_t(k)]->hide();
    }
    for (int k = 10; k <= rows; ++k) {
        chkWork[size_t(k)]->show();
        cmbWork[size_t(k)]->show();
        txtWork[size_t(k)]->show();
    }
}

void CharacterHistoryWindow::listChosen(int index) {
    for (int k = 7; k <= 12; ++k)
        cmbWork[size_t(k)]->setCurrentIndex(0);
    cmbPCTag[size_t(index)] = listPositionTag(cmbPC[size_t(index)]);
    if (index == 1)
        showSaveTimes(cmbPC[2], data_.history, cmbPC[1]->currentIndex() + 1);
    else if (index == 2)
        showSave();
}

void CharacterHistoryWindow::setStatus(int j, const QString& text) {
    txtPCTag[size_t(j)] = text;
    txtPC[size_t(j)]->setText(text);
}

void CharacterHistoryWindow::showSave() {
    const int pos = cmbPC[2]->currentIndex();
    if (pos < 0)
        return;
    const int slot = cmbPC[1]->currentIndex() + 1;
    const int r = cmbPC[2]->count() - pos;  // position 0 is the newest save

    QString d = data_.history.at(slot, HistoryField::JobToWeight, r);
    const QString jobCode = textBefore(d, QLatin1Char(','));
    // A code no job has shows no job, not the one shown before.
    setStatus(3, QString());
    for (int row = 1; row <= JobTable::kRows; ++row) {
        if (data_.jobs.at(row, JobColumn::Code) == jobCode) {
            setStatus(3, data_.jobs.at(row, JobColumn::Name));
            break;
        }
    }
    d = textAfter(d, QLatin1Char(','));
    // Level, HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力.
    for (int j = 4; j <= 12; ++j) {
        setStatus(j, textBefore(d, QLatin1Char(',')));
        d = textAfter(d, QLatin1Char(','));
    }

    QString w = data_.history.at(slot, HistoryField::SavedAtAndWorks, r);
    if (w.contains(QLatin1Char('.'))) {
        w = textAfter(w, QLatin1Char('.'));  // drops the save time
        setStatus(2, textBefore(w, QLatin1Char('.')));
        showWorks(textAfter(w, QLatin1Char('.')));
        return;
    }
    setStatus(2, QStringLiteral("0"));
    for (int k = 1; k <= 12; ++k) {
        if (k <= 6) {
            txtWorkTag[size_t(k)] = QStringLiteral("0");
        } else {
            cmbWork[size_t(k)]->setCurrentIndex(0);
            txtWorkTag[size_t(k)].clear();
        }
        txtWork[size_t(k)]->setText(txtWorkTag[size_t(k)]);
    }
}

void CharacterHistoryWindow::showWorks(QString w) {
    // Entries go to the slots in their order; slots past the last entry are empty, as the
    // save left them.
    for (int k = 1; k <= 12; ++k) {
        const QString piece =
            w.contains(QLatin1Char(',')) ? textBefore(w, QLatin1Char(',')) : QString();
        if (!piece.isEmpty()) {
            cmbWorkTag[size_t(k)] = piece.left(qMax<qsizetype>(0, piece.size() - 3));
            txtWorkTag[size_t(k)] = piece.mid(2);
        } else {
            cmbWorkTag[size_t(k)] = QStringLiteral("0");
            txtWorkTag[size_t(k)].clear();
        }
        if (k > 6) {
            const int pos = workListPos(valueOf(cmbWorkTag[size_t(k)]));
            if (pos > 0)
                cmbWork[size_t(k)]->setCurrentIndex(pos);
        }
        txtWork[size_t(k)]->setText(levelText(txtWorkTag[size_t(k)]));
        w = textAfter(w, QLatin1Char(','));
    }
}

void CharacterHistoryWindow::restoreSavedWork(int k) {
    if (k < 7)
        return;
    const int pos = workListPos(valueOf(cmbWorkTag[size_t(k)]));
    if (pos <= 0)
        return;
    // The shown work is the saved one: typing puts it back.
    QComboBox* list = cmbWork[size_t(k)];
    const QSignalBlocker block(list->lineEdit());
    list->setCurrentIndex(pos);
    list->setEditText(list->itemText(pos));
}

}  // namespace wm
