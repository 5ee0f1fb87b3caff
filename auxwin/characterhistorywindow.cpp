#include "characterhistorywindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "controls.h"
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

constexpr size_t kHp = 0;
constexpr size_t kMp = 4;

}  // namespace

CharacterHistoryWindow::CharacterHistoryWindow(AppData& data, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs) {
    installDesktopInput();
    setObjectName(QStringLiteral("characterHistoryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowTitle(QStringLiteral("PCデータ表示"));
    setFont(windowFont(font(), 9));

    buildControls();
    buildLayout();
    installKeyHandlers();
    fillWorkLists();
    // Nothing here gains from more room: the window keeps its size.
    setFixedSize(QSize(kLoadWidth, kLoadHeight).expandedTo(minimumSizeHint()));
}

void CharacterHistoryWindow::buildControls() {
    characterFrame_ =
        named(makeFrame(nullptr, QStringLiteral("PCデータを入力します")), "characterFrame");
    workFrame_ = named(makeFrame(nullptr), "workFrame");

    auto label = [](const QString& name, const QString& text, const QString& tip) {
        return named(makeLabel(nullptr, text, tip), name);
    };
    fame_.caption = label(QStringLiteral("fameCaption"), QStringLiteral("名声"),
                          QStringLiteral("名声の値を入力します"));
    nameCaption_ = label(QStringLiteral("nameCaption"), QStringLiteral("名前"),
                         QStringLiteral("保存したキャラ名を選択します"));
    saveTimeCaption_ = label(QStringLiteral("saveTimeCaption"), QStringLiteral("日付"),
                             QStringLiteral("選択したキャラの保存日時を選択します"));
    job_.caption = label(QStringLiteral("jobCaption"), QStringLiteral("職業"),
                         QStringLiteral("職業が表示されます"));
    level_.caption = label(QStringLiteral("levelCaption"), QStringLiteral("Lv．"),
                           QStringLiteral("自分のレベルを入力します"));
    for (size_t v = 0; v < status_.size(); ++v) {
        const StatusCaption& s = kStatusCaptions[v];
        status_[v].caption = label(QString::fromLatin1(s.name) + QStringLiteral("Caption"),
                                   QString::fromUtf16(s.caption), QString::fromUtf16(s.tip));
    }

    nameList_ =
        named(makeList(nullptr, QStringLiteral("保存したキャラ名を選択します")), "nameList");
    saveTimeList_ = named(makeList(nullptr, QStringLiteral("選択したキャラの保存日時を選択します")),
                          "saveTimeList");
    connect(nameList_, &QComboBox::activated, this, [this] { showListChoice(List::Name); });
    connect(saveTimeList_, &QComboBox::activated, this, [this] { showListChoice(List::SaveTime); });

    auto box = [this](const QString& name, const QString& tip) {
        QLineEdit* e = named(makeBox(nullptr, tip), name);
        connect(e, &QLineEdit::textChanged, this, [this] { showWorkRowsForFame(); });
        return e;
    };
    fame_.box = box(QStringLiteral("fameBox"), fame_.caption->toolTip());
    // The job and level boxes carry the level text as the window has always shown it.
    job_.box = box(QStringLiteral("jobBox"), QStringLiteral("自分のレベルが表示されます"));
    level_.box = box(QStringLiteral("levelBox"), QStringLiteral("自分のレベルが表示されます"));
    for (size_t v = 0; v < status_.size(); ++v) {
        status_[v].box = box(QString::fromLatin1(kStatusCaptions[v].name) + QStringLiteral("Box"),
                             status_[v].caption->toolTip());
    }

    for (int k = 1; k <= 12; ++k) {
        WorkSlot& s = slot(k);
        s.postCheck =
            named(makeCheck(nullptr, QString(),
                            QStringLiteral("掲示板用に出力する場合はチェックしてください")),
                  QStringLiteral("workPostCheck%1").arg(k));
        s.workList = named(makeTypingList(nullptr, QStringLiteral("作業名を選択します")),
                           QStringLiteral("workList%1").arg(k));
        s.workList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        s.workList->setMinimumContentsLength(7);
        if (k <= 6)
            s.workList->addItem(QString::fromUtf16(kGatheringWorks[size_t(k - 1)]));
        connect(s.workList->lineEdit(), &QLineEdit::textEdited, this,
                [this, k] { restoreSavedWork(k); });
        s.levelBox = named(makeBox(nullptr, QStringLiteral("作業のレベルを入力します")),
                           QStringLiteral("workLevelBox%1").arg(k));
    }
}

void CharacterHistoryWindow::buildLayout() {
    // Short boxes: a level takes three digits, the status values up to six.
    const int shortBox = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10;
    level_.box->setFixedWidth(shortBox);
    for (CaptionedBox& value : status_)
        value.box->setFixedWidth(shortBox);
    fame_.box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 10);

    auto* pcs = new QGridLayout(characterFrame_);
    pcs->setContentsMargins(8, 8, 8, 8);
    pcs->setHorizontalSpacing(6);
    pcs->setVerticalSpacing(5);
    pcs->addWidget(nameCaption_, 0, 0);
    pcs->addWidget(nameList_, 0, 1, 1, 3);
    pcs->addWidget(saveTimeCaption_, 1, 0);
    pcs->addWidget(saveTimeList_, 1, 1, 1, 3);
    pcs->addWidget(fame_.caption, 2, 0);
    pcs->addWidget(fame_.box, 2, 1, 1, 3, Qt::AlignLeft);
    pcs->addWidget(job_.caption, 3, 0);
    pcs->addWidget(job_.box, 3, 1, 1, 3);
    pcs->addWidget(level_.caption, 4, 0);
    pcs->addWidget(level_.box, 4, 1);
    // Status values in two columns: HP and MP on top, as the game lists them.
    for (int i = 0; i < 4; ++i) {
        pcs->addWidget(status_[size_t(i)].caption, 5 + i, 0);
        pcs->addWidget(status_[size_t(i)].box, 5 + i, 1);
        pcs->addWidget(status_[4 + size_t(i)].caption, 5 + i, 2);
        pcs->addWidget(status_[4 + size_t(i)].box, 5 + i, 3);
    }
    pcs->setColumnStretch(3, 1);
    pcs->setRowStretch(9, 1);

    auto* work = new QGridLayout(workFrame_);
    work->setContentsMargins(8, 8, 8, 8);
    work->setHorizontalSpacing(4);
    work->setVerticalSpacing(3);
    const int levelBox = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10;
    for (int k = 1; k <= 12; ++k) {
        slot(k).levelBox->setFixedWidth(levelBox);
        work->addWidget(slot(k).postCheck, k - 1, 0);
        work->addWidget(slot(k).workList, k - 1, 1);
        work->addWidget(slot(k).levelBox, k - 1, 2);
    }
    work->setColumnStretch(1, 1);
    work->setRowStretch(12, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(characterFrame_, 1);
    layout->addWidget(workFrame_, 1);

    // Tab order: lists, fame, job, level, status, then the slots.
    QList<QWidget*> order = {nameList_, saveTimeList_};
    for (QLineEdit* box : statusBoxes())
        order << box;
    for (const WorkSlot& s : workSlots_)
        order << s.postCheck << s.workList << s.levelBox;
    chainTabOrder(nullptr, order);
}

QList<QLineEdit*> CharacterHistoryWindow::statusBoxes() const {
    QList<QLineEdit*> boxes = {fame_.box, job_.box, level_.box};
    for (const CaptionedBox& value : status_)
        boxes << value.box;
    return boxes;
}

void CharacterHistoryWindow::installKeyHandlers() {
    for (QComboBox* list : {nameList_, saveTimeList_}) {
        // The lists only change by choosing an entry; Enter moves on.
        KeyFilter::install(list, [list](int& code) {
            if (code == kKeyEnter)
                focusNextControl(list);
            code = 0;
        });
    }
    for (QLineEdit* box : statusBoxes()) {
        // Fame takes ten digits, HP and MP six, the others four.
        const int maxDigits = box == fame_.box                                       ? 10
                              : (box == status_[kHp].box || box == status_[kMp].box) ? 6
                                                                                     : 4;
        KeyFilter::install(box, [this, box, maxDigits](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                showWorkRowsForFame();
                focusNextControl(box);
                return;
            }
            // Any other key passes: the boxes only show a save, nothing reads them back.
            if (digitKey(code, byteLength(box->text()), box->hasSelectedText(), maxDigits) ==
                DigitKey::Full)
                code = 0;
        });
    }
}

void CharacterHistoryWindow::fillWorkLists() {
    QStringList names = {QString()};
    for (int s : freeSlotSections())
        names << data_.products.sectionName(s);
    for (int k = kFirstFreeSlot; k <= kJobSlots; ++k)
        refillList(slot(k).workList, names);
}

int CharacterHistoryWindow::workListPos(int slot, int code) {
    return entryOfWorkCode(code, this->slot(slot).workList->count()).value_or(-1);
}

bool CharacterHistoryWindow::showSavedCharacters() {
    const QStringList names = data_.history.names();
    refillList(nameList_, names);
    if (nameList_->count() == 0) {
        dialogs_.messageBox(
            QStringLiteral("キャラデータが保存されていないか\r\n保存形式が不正です"),
            data_.appTitle, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        return false;
    }
    chooseEntry(nameList_, 0);
    show();
    raise();
    activateWindow();
    return true;
}

void CharacterHistoryWindow::showWorkRowsForFame() {
    const auto fame = toNumber(fame_.box->text());
    if (!fame) {
        // Setting the text comes back here through the change handler.
        fame_.box->setText(QStringLiteral("0"));
        return;
    }
    const int rows = slotCountForFame(fame_.box->text());
    for (int k = 10; k <= 12; ++k) {
        slot(k).postCheck->hide();
        slot(k).workList->hide();
        slot(k).levelBox->hide();
    }
    for (int k = 10; k <= rows; ++k) {
        slot(k).postCheck->show();
        slot(k).workList->show();
        slot(k).levelBox->show();
    }
}

void CharacterHistoryWindow::showListChoice(List list) {
    for (int k = 7; k <= 12; ++k)
        slot(k).workList->setCurrentIndex(0);
    chosenPositions_[size_t(list)] =
        chosenListPosition(list == List::Name ? nameList_ : saveTimeList_);
    if (list == List::Name)
        showSaveTimes(saveTimeList_, data_.history, nameList_->currentIndex() + 1);
    else
        showSave();
}

void CharacterHistoryWindow::showSave() {
    const int pos = saveTimeList_->currentIndex();
    if (pos < 0)
        return;
    const int saved = nameList_->currentIndex() + 1;
    const int r = saveTimeList_->count() - pos;  // position 0 is the newest save
    auto put = [](QString& loaded, QLineEdit* box, const QString& text) {
        loaded = text;
        box->setText(text);
    };

    const SavedCharacter save = readSave(data_.history.at(saved, HistoryField::JobToWeight, r),
                                         data_.history.at(saved, HistoryField::SavedAtAndWorks, r));
    // A code no job has shows no job, not the one shown before.
    put(loaded_.job, job_.box, QString());
    for (int row = 1; row <= JobTable::kRows; ++row) {
        if (data_.jobs.at(row, JobColumn::Code) == save.jobCode) {
            put(loaded_.job, job_.box, data_.jobs.at(row, JobColumn::Name));
            break;
        }
    }
    put(loaded_.level, level_.box, save.level);
    for (size_t v = 0; v < status_.size(); ++v)
        put(loaded_.values[v], status_[v].box, save.values[v]);

    if (save.hasWorks) {
        put(loaded_.fame, fame_.box, save.fame);
        showWorks(save.works);
        return;
    }
    put(loaded_.fame, fame_.box, QStringLiteral("0"));
    for (int k = 1; k <= 12; ++k) {
        SavedWork& entry = savedWorks_[size_t(k - 1)];
        if (k <= 6) {
            entry.level = QStringLiteral("0");
        } else {
            slot(k).workList->setCurrentIndex(0);
            entry.level.clear();
        }
        slot(k).levelBox->setText(entry.level);
    }
}

void CharacterHistoryWindow::showWorks(const std::array<SavedWork, kJobSlots>& works) {
    savedWorks_ = works;
    for (int k = 1; k <= 12; ++k) {
        const SavedWork& entry = savedWork(k);
        if (k > 6) {
            const int pos = workListPos(k, entry.code);
            if (pos > 0)
                slot(k).workList->setCurrentIndex(pos);
        }
        slot(k).levelBox->setText(shownSavedLevel(entry.level));
    }
}

void CharacterHistoryWindow::restoreSavedWork(int k) {
    if (k < 7)
        return;
    const int pos = workListPos(k, savedWork(k).code);
    if (pos <= 0)
        return;
    // The shown work is the saved one: typing puts it back.
    QComboBox* list = slot(k).workList;
    const QSignalBlocker block(list->lineEdit());
    list->setCurrentIndex(pos);
    list->setEditText(list->itemText(pos));
}

}  // namespace wm
