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
#include "controls.h"
#include "desktopinput.h"
#include "keyfilter.h"
#include "numbers.h"
#include "reincarnation.h"
#include "savelists.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// The digits a value box takes before it refuses more, in the order of kStatusCaptions:
// six for HP and MP, four for the others.
constexpr int kValueDigits[kStatusValues] = {6, 4, 4, 4, 6, 4, 4, 4};
// Count and level take three digits.
constexpr int kCountLevelDigits = 3;

}  // namespace

ReincarnationWindow::ReincarnationWindow(AppData& data, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data) {
    installDesktopInput();
    setObjectName(QStringLiteral("reincarnationWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowTitle(QStringLiteral("転生用ステータス表示"));
    setFont(windowFont(font(), 9));

    buildControls();
    buildLayout();
    installKeyHandlers();
    // Results belong to the values on screen: a change to any input empties them.
    QList<QLineEdit*> inputs = {countBox_, levelBox_};
    for (const CaptionedBox& value : inputs_)
        inputs << value.box;
    for (QLineEdit* input : inputs)
        connect(input, &QLineEdit::textChanged, this, &ReincarnationWindow::emptyResults);
    load();
}

void ReincarnationWindow::buildControls() {
    const QString frameTip = QStringLiteral("PCデータを入力します");
    inputFrame_ = named(makeFrame(nullptr, frameTip), "inputFrame");
    resultFrame_ = named(makeFrame(nullptr, frameTip), "resultFrame");

    auto label = [](const QString& name, const QString& caption, const QString& tip) {
        return named(makeLabel(nullptr, caption, tip), name);
    };
    auto chosenAs = [this](QComboBox* c, const char* name, List which) {
        connect(c, &QComboBox::activated, this, [this, which] { showListChoice(which); });
        return named(c, name);
    };
    auto box = [](const QString& name, const QString& tip) {
        return named(makeBox(nullptr, tip), name);
    };

    // Created in tab order: lists, count, level, values, the button, results.
    const QString nameTip = QStringLiteral("キャラの名前を選択または入力をします");
    const QString jobTip = QStringLiteral("職業の選択します");
    const QString dateTip = QStringLiteral("選択したキャラの保存日時を選択をします");
    nameList_ = chosenAs(makeTypingList(nullptr, nameTip), "nameList", List::Name);
    jobList_ = chosenAs(makeList(nullptr, jobTip), "jobList", List::Job);
    saveTimeList_ = chosenAs(makeList(nullptr, dateTip), "saveTimeList", List::SaveTime);
    nameCaption_ = label(QStringLiteral("nameCaption"), QStringLiteral("名前"), nameTip);
    jobCaption_ = label(QStringLiteral("jobCaption"), QStringLiteral("職業"), jobTip);
    saveTimeCaption_ = label(QStringLiteral("saveTimeCaption"), QStringLiteral("日付"), dateTip);

    countBox_ = box(QStringLiteral("countBox"), QStringLiteral("転生回数を入力します"));
    countCaption_ =
        label(QStringLiteral("countCaption"), QStringLiteral("転生回数"), countBox_->toolTip());
    levelBox_ = box(QStringLiteral("levelBox"), QStringLiteral("自分のレベルが表示されます"));
    levelCaption_ = label(QStringLiteral("levelCaption"), QStringLiteral("Lv．"),
                          QStringLiteral("自分のレベルを入力します"));

    auto values = [&](ValueBoxes& boxes, const QString& suffix) {
        for (int v = 0; v < 8; ++v) {
            const StatusCaption& s = kStatusCaptions[size_t(v)];
            const QString name = QString::fromLatin1(s.name) + suffix;
            const QString tip = QString::fromUtf16(s.tip);
            boxes[size_t(v)].box = box(name + QStringLiteral("Box"), tip);
            boxes[size_t(v)].caption =
                label(name + QStringLiteral("Caption"), QString::fromUtf16(s.caption), tip);
        }
    };
    values(inputs_, QStringLiteral("Input"));
    calculateButton_ = named(makeButton(nullptr, QStringLiteral("計算"),
                                        QStringLiteral("転生後のステータスを計算し表示します")),
                             "calculateButton");
    connect(calculateButton_, &QPushButton::clicked, this, &ReincarnationWindow::calculate);
    values(results_, QStringLiteral("Result"));
}

QList<QLineEdit*> ReincarnationWindow::numberBoxes() const {
    QList<QLineEdit*> boxes = {countBox_, levelBox_};
    for (const ValueBoxes* group : {&inputs_, &results_}) {
        for (const CaptionedBox& value : *group)
            boxes << value.box;
    }
    return boxes;
}

void ReincarnationWindow::buildLayout() {
    const int shortBox = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10;
    for (QLineEdit* box : numberBoxes())
        box->setFixedWidth(shortBox);

    // Values in two columns, HP and MP on top; results mirror the inputs.
    auto addValues = [](QGridLayout* grid, int firstRow, const ValueBoxes& boxes) {
        for (int v = 0; v < 8; ++v) {
            const int row = firstRow + v % 4;
            const int col = v < 4 ? 0 : 2;
            grid->addWidget(boxes[size_t(v)].caption, row, col);
            grid->addWidget(boxes[size_t(v)].box, row, col + 1);
        }
    };

    auto* input = new QGridLayout(inputFrame_);
    input->setContentsMargins(8, 8, 8, 8);
    input->setHorizontalSpacing(6);
    input->setVerticalSpacing(5);
    input->addWidget(nameCaption_, 0, 0);
    input->addWidget(nameList_, 0, 1, 1, 3);
    input->addWidget(jobCaption_, 1, 0);
    input->addWidget(jobList_, 1, 1, 1, 3);
    input->addWidget(saveTimeCaption_, 2, 0);
    input->addWidget(saveTimeList_, 2, 1, 1, 3);
    input->addWidget(countCaption_, 3, 0);
    input->addWidget(countBox_, 3, 1);
    input->addWidget(levelCaption_, 3, 2);
    input->addWidget(levelBox_, 3, 3);
    addValues(input, 4, inputs_);
    input->setColumnStretch(1, 1);
    input->setColumnStretch(3, 1);

    auto* result = new QGridLayout(resultFrame_);
    result->setContentsMargins(8, 8, 8, 8);
    result->setHorizontalSpacing(6);
    result->setVerticalSpacing(5);
    addValues(result, 0, results_);
    // Both frames share their label columns, so results stand under their inputs.
    const int labelWidth = countCaption_->sizeHint().width();
    for (QGridLayout* grid : {input, result}) {
        grid->setColumnMinimumWidth(0, labelWidth);
        grid->setColumnMinimumWidth(2, labelWidth);
    }
    result->setColumnStretch(1, 1);
    result->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(calculateButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(inputFrame_);
    layout->addLayout(buttons);
    layout->addWidget(resultFrame_);
    layout->addStretch();
    // Nothing here gains from more room: the window keeps the size its contents ask for.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget*> order = {nameList_, jobList_, saveTimeList_, countBox_, levelBox_};
    for (const CaptionedBox& value : inputs_)
        order << value.box;
    order << calculateButton_;
    for (const CaptionedBox& value : results_)
        order << value.box;
    chainTabOrder(nullptr, order);
}

void ReincarnationWindow::installKeyHandlers() {
    auto digitsOnly = [](QLineEdit* e, int maxDigits) {
        // Digits and Backspace only; any other key moves on to the next box.
        KeyFilter::install(e, [e, maxDigits](int& code) {
            if (code == kKeyBackspace)
                return;
            switch (digitKey(code, byteLength(e->text()), e->hasSelectedText(), maxDigits)) {
                case DigitKey::Taken:
                    return;
                case DigitKey::Full:
                    code = 0;
                    return;
                case DigitKey::NotDigit:
                    code = 0;
                    focusNextControl(e);
                    return;
            }
        });
    };
    digitsOnly(countBox_, kCountLevelDigits);
    digitsOnly(levelBox_, kCountLevelDigits);
    for (const ValueBoxes* group : {&inputs_, &results_}) {
        for (int v = 0; v < 8; ++v)
            digitsOnly((*group)[size_t(v)].box, kValueDigits[v]);
    }
    for (QComboBox* c : {nameList_, jobList_, saveTimeList_}) {
        const bool isName = c == nameList_;
        KeyFilter::install(c, [c, isName](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                focusNextControl(c);
                return;
            }
            if (code == kKeyBackspace)
                return;
            if (!isName) {
                code = 0;
                return;
            }
            // The name: typing stops at its byte limit, unless it replaces a selection.
            const bool selected = c->lineEdit() && c->lineEdit()->hasSelectedText();
            if (!selected && characterNameFull(c->currentText()))
                code = 0;
        });
    }
}

void ReincarnationWindow::load() {
    historyProblem_ = loadHistory(data_);
    QStringList jobs;
    for (int row = 1; row <= JobTable::kRows; ++row) {
        const QString job = data_.jobs.at(row, JobColumn::Name);
        if (job.isEmpty())
            break;
        jobs << job;
    }
    refillList(jobList_, jobs);
    const QStringList names = data_.history.names();
    refillList(nameList_, names);
    if (!names.isEmpty())
        chooseEntry(nameList_, 0);
}

void ReincarnationWindow::showListChoice(List list) {
    const QComboBox* lists[] = {nameList_, jobList_, saveTimeList_};
    chosenPositions_[size_t(list)] = chosenListPosition(lists[size_t(list)]);
    // Results of another character or save would pass for this one's.
    if (list == List::Name || list == List::SaveTime)
        emptyResults();
    if (list == List::Name)
        showSaveTimes(saveTimeList_, data_.history, nameList_->currentIndex() + 1);
    else if (list == List::SaveTime)
        showSave();
}

void ReincarnationWindow::showSave() {
    const int pos = saveTimeList_->currentIndex();
    if (pos < 0)
        return;
    const int slot = nameList_->currentIndex() + 1;
    const int r = saveTimeList_->count() - pos;  // position 0 is the newest save
    const SavedCharacter save = readSave(data_.history.at(slot, HistoryField::JobToWeight, r),
                                         data_.history.at(slot, HistoryField::SavedAtAndWorks, r));
    for (int row = 1; row <= JobTable::kRows; ++row) {
        if (data_.jobs.at(row, JobColumn::Code) == save.jobCode) {
            chooseEntry(jobList_, row - 1);
            break;
        }
    }
    loaded_.level = save.level;
    levelBox_->setText(loaded_.level);
    for (size_t v = 0; v < 8; ++v) {
        loaded_.values[v] = save.values[v];
        inputs_[v].box->setText(loaded_.values[v]);
    }
}

void ReincarnationWindow::emptyResults() {
    for (const CaptionedBox& result : results_)
        result.box->clear();
}

void ReincarnationWindow::calculate() {
    // A computation that stops leaves no results of earlier inputs behind.
    emptyResults();
    if (levelBox_->text().isEmpty())
        return;
    if (countBox_->text().isEmpty() || toNumber(countBox_->text()).value_or(0) == 0)
        countBox_->setText(QStringLiteral("1"));
    const double n = toNumber(countBox_->text()).value_or(0);
    const double lv = toNumber(levelBox_->text()).value_or(0);
    std::array<double, 8> values{};
    for (size_t v = 0; v < 8; ++v) {
        const auto value = toNumber(inputs_[v].box->text());
        if (!value)
            return;
        values[v] = *value;
    }
    const auto results = reincarnationStatus(n, lv, values);
    if (!results)
        return;
    for (size_t v = 0; v < 8; ++v)
        results_[v].box->setText(numText((*results)[v]));
}

}  // namespace wm
