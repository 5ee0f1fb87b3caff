#include "reincarnationwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "characterhistory.h"
#include "desktopinput.h"
#include "keyfilter.h"
#include "numbers.h"
#include "reincarnation.h"
#include "savelists.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// Value boxes 4..11 in the order HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力 and the label
// that stands beside each (the labels are numbered in another order).
struct ValueBox {
    int label;
    const char* caption;
    const char* tip;
};
constexpr ValueBox kValues[8] = {
    {4, "ＨＰ", "HPの値を入力します"},   {8, "体力", "体力の値を入力します"},
    {7, "知力", "知力の値を入力します"}, {11, "幸運", "幸運の値を入力します"},
    {5, "ＭＰ", "MPの値を入力します"},   {9, "敏捷", "敏捷の値を入力します"},
    {6, "筋力", "筋力の値を入力します"}, {10, "魅力", "魅力の値を入力します"},
};

// Digits a box takes before it refuses more: count and level 3, HP and MP 6, others 4.
int maxBytesOf(int j) {
    if (j == 2 || j == 3)
        return 3;
    const int v = j >= 14 ? j - 10 : j;
    return v == 4 || v == 8 ? 6 : 4;
}

}  // namespace

ReincarnationWindow::ReincarnationWindow(AppData& data, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data) {
    installDesktopInput();
    setObjectName(QStringLiteral("reincarnationWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("転生用ステータス表示"));
    QFont base = font();
    base.setFamilies({QStringLiteral("Noto Sans CJK JP"), base.family()});
    base.setPointSize(9);
    setFont(base);

    buildControls();
    buildLayout();
    installKeyHandlers();
    load();
}

void ReincarnationWindow::buildControls() {
    frmPCS[0] = new QGroupBox;
    frmPCS[1] = new QGroupBox;
    for (QGroupBox* frame : frmPCS)
        frame->setToolTip(QStringLiteral("PCデータを入力します"));

    auto label = [this](int i, const QString& caption, const QString& tip) {
        lblPC[size_t(i)] = new QLabel(caption);
        lblPC[size_t(i)]->setToolTip(tip);
    };
    auto list = [this](int i, const QString& tip, bool editable) {
        auto* c = new QComboBox;
        c->setToolTip(tip);
        c->setEditable(editable);
        if (editable)
            c->setInsertPolicy(QComboBox::NoInsert);
        cmbPC[size_t(i)] = c;
        connect(c, &QComboBox::activated, this, [this, i] { listChosen(i); });
    };
    auto box = [this](int j, const QString& tip) {
        txtPC[size_t(j)] = new QLineEdit;
        txtPC[size_t(j)]->setToolTip(tip);
    };

    // Created in tab order: lists, count, level, values, the button, results.
    const QString nameTip = QStringLiteral("キャラの名前を選択または入力をします");
    const QString jobTip = QStringLiteral("職業の選択します");
    const QString dateTip = QStringLiteral("選択したキャラの保存日時を選択をします");
    list(0, nameTip, true);
    list(1, jobTip, false);
    list(12, dateTip, false);
    label(0, QStringLiteral("名前"), nameTip);
    label(1, QStringLiteral("職業"), jobTip);
    label(12, QStringLiteral("日付"), dateTip);

    box(2, QStringLiteral("転生回数を入力します"));
    label(3, QStringLiteral("転生回数"), txtPC[2]->toolTip());
    box(3, QStringLiteral("自分のレベルが表示されます"));
    label(2, QStringLiteral("Lv．"), QStringLiteral("自分のレベルを入力します"));

    for (int v = 0; v < 8; ++v) {
        const QString tip = QString::fromUtf8(kValues[v].tip);
        box(4 + v, tip);
        label(kValues[v].label, QString::fromUtf8(kValues[v].caption), tip);
    }
    cmdEX = new QPushButton(QStringLiteral("計算"));
    cmdEX->setToolTip(QStringLiteral("転生後のステータスを計算し表示します"));
    connect(cmdEX, &QPushButton::clicked, this, &ReincarnationWindow::calculate);
    for (int v = 0; v < 8; ++v) {
        const QString tip = QString::fromUtf8(kValues[v].tip);
        box(14 + v, tip);
        label(kValues[v].label + 10, QString::fromUtf8(kValues[v].caption), tip);
    }
}

void ReincarnationWindow::buildLayout() {
    const int shortBox = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10;
    for (int j : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21})
        txtPC[size_t(j)]->setFixedWidth(shortBox);

    // Values in two columns, HP and MP on top; results mirror the inputs.
    auto addValues = [this](QGridLayout* grid, int firstRow, int firstBox) {
        for (int v = 0; v < 8; ++v) {
            const int j = firstBox + v;
            const int row = firstRow + v % 4;
            const int col = v < 4 ? 0 : 2;
            grid->addWidget(lblPC[size_t(kValues[v].label + (firstBox - 4))], row, col);
            grid->addWidget(txtPC[size_t(j)], row, col + 1);
        }
    };

    auto* input = new QGridLayout(frmPCS[0]);
    input->setContentsMargins(8, 8, 8, 8);
    input->setHorizontalSpacing(6);
    input->setVerticalSpacing(5);
    input->addWidget(lblPC[0], 0, 0);
    input->addWidget(cmbPC[0], 0, 1, 1, 3);
    input->addWidget(lblPC[1], 1, 0);
    input->addWidget(cmbPC[1], 1, 1, 1, 3);
    input->addWidget(lblPC[12], 2, 0);
    input->addWidget(cmbPC[12], 2, 1, 1, 3);
    input->addWidget(lblPC[3], 3, 0);
    input->addWidget(txtPC[2], 3, 1);
    input->addWidget(lblPC[2], 3, 2);
    input->addWidget(txtPC[3], 3, 3);
    addValues(input, 4, 4);
    input->setColumnStretch(1, 1);
    input->setColumnStretch(3, 1);

    auto* result = new QGridLayout(frmPCS[1]);
    result->setContentsMargins(8, 8, 8, 8);
    result->setHorizontalSpacing(6);
    result->setVerticalSpacing(5);
    addValues(result, 0, 14);
    // Both frames share their label columns, so results stand under their inputs.
    const int labelWidth = lblPC[3]->sizeHint().width();
    for (QGridLayout* grid : {input, result}) {
        grid->setColumnMinimumWidth(0, labelWidth);
        grid->setColumnMinimumWidth(2, labelWidth);
    }
    result->setColumnStretch(1, 1);
    result->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEX);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(frmPCS[0]);
    layout->addLayout(buttons);
    layout->addWidget(frmPCS[1]);
    layout->addStretch();

    QList<QWidget*> order = {cmbPC[0], cmbPC[1], cmbPC[12]};
    for (int j = 2; j <= 11; ++j)
        order << txtPC[size_t(j)];
    order << cmdEX;
    for (int j = 14; j <= 21; ++j)
        order << txtPC[size_t(j)];
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void ReincarnationWindow::installKeyHandlers() {
    for (int j : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21}) {
        QLineEdit* e = txtPC[size_t(j)];
        const int maxBytes = maxBytesOf(j);
        // Digits and Backspace only; any other key moves on to the next box.
        KeyFilter::install(e, [e, maxBytes](int& code) {
            if (code == kKeyBackspace)
                return;
            if (code >= '0' && code <= '9') {
                if (!e->hasSelectedText() && byteLength(e->text()) >= maxBytes)
                    code = 0;
                return;
            }
            code = 0;
            focusNextControl(e);
        });
    }
    for (int i : {0, 1, 12}) {
        QComboBox* c = cmbPC[size_t(i)];
        KeyFilter::install(c, [c, i](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                focusNextControl(c);
                return;
            }
            if (code == kKeyBackspace)
                return;
            if (i != 0) {
                code = 0;
                return;
            }
            // The name: at most 14 bytes, unless typing replaces a selection.
            const QString text = c->currentText();
            const bool selected = c->lineEdit() && c->lineEdit()->hasSelectedText();
            if (!selected && !text.isEmpty() && byteLength(text) > 13)
                code = 0;
        });
    }
}

void ReincarnationWindow::load() {
    loadHistory(data_);
    QStringList jobs;
    for (int row = 1; row <= JobTable::kRows; ++row) {
        const QString job = data_.jobs.at(row, JobColumn::Name);
        if (job.isEmpty())
            break;
        jobs << job;
    }
    refillList(cmbPC[1], jobs);
    const QStringList names = data_.history.names();
    refillList(cmbPC[0], names);
    if (!names.isEmpty())
        chooseEntry(cmbPC[0], 0);
}

void ReincarnationWindow::listChosen(int index) {
    cmbPCTag[size_t(index)] = listPositionTag(cmbPC[size_t(index)]);
    // Results of another character or save would pass for this one's.
    if (index == 0 || index == 12)
        emptyResults();
    if (index == 0)
        showSaveTimes(cmbPC[12], data_.history, cmbPC[0]->currentIndex() + 1);
    else if (index == 12)
        showSave();
}

void ReincarnationWindow::showSave() {
    const int pos = cmbPC[12]->currentIndex();
    if (pos < 0)
        return;
    const int slot = cmbPC[0]->currentIndex() + 1;
    const int r = cmbPC[12]->count() - pos;  // position 0 is the newest save
    QString d = data_.history.at(slot, HistoryField::JobToWeight, r);
    const QString jobCode = textBefore(d, QLatin1Char(','));
    for (int row = 1; row <= JobTable::kRows; ++row) {
        if (data_.jobs.at(row, JobColumn::Code) == jobCode) {
            chooseEntry(cmbPC[1], row - 1);
            break;
        }
    }
    d = textAfter(d, QLatin1Char(','));
    // Level, HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力.
    for (int j = 3; j <= 11; ++j) {
        const QString value = textBefore(d, QLatin1Char(','));
        txtPCTag[size_t(j)] = value;
        txtPC[size_t(j)]->setText(value);
        d = textAfter(d, QLatin1Char(','));
    }
}

void ReincarnationWindow::emptyResults() {
    for (int j = 14; j <= 21; ++j)
        txtPC[size_t(j)]->clear();
}

void ReincarnationWindow::calculate() {
    // A computation that stops leaves no results of earlier inputs behind.
    emptyResults();
    if (txtPC[3]->text().isEmpty())
        return;
    if (txtPC[2]->text().isEmpty() || toNumber(txtPC[2]->text()).value_or(0) == 0)
        txtPC[2]->setText(QStringLiteral("1"));
    const double n = toNumber(txtPC[2]->text()).value_or(0);
    const double lv = toNumber(txtPC[3]->text()).value_or(0);
    std::array<double, 8> values{};
    for (int v = 0; v < 8; ++v) {
        const auto value = toNumber(txtPC[size_t(4 + v)]->text());
        if (!value)
            return;
        values[size_t(v)] = *value;
    }
    const auto results = reincarnationStatus(n, lv, values);
    if (!results)
        return;
    for (int v = 0; v < 8; ++v)
        txtPC[size_t(14 + v)]->setText(numText((*results)[size_t(v)]));
}

}  // namespace wm
