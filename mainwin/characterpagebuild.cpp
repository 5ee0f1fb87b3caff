// The controls of the character page and where they stand.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "characterpage.h"
#include "controls.h"

namespace wm {

namespace {

const QString kUnchosen = QStringLiteral("未選択");

// The object names of the equipment lists, in the page's order.
const char* const kEquipmentNames[kEquipmentKinds] = {
    "sword",       "katana", "axe",      "staff", "abacus",    "whip",    "fightingGloves",
    "helmet",      "hat",    "gloves",   "boots", "shield",    "clothes", "leatherArmour",
    "metalArmour", "ring",   "necklace", "book",  "instrument"};

QString named(const char* base, const char* role) {
    return QLatin1String(base) + QLatin1String(role);
}

}  // namespace

CharacterPage::CharacterPage(bool large, const QFont& windowFont, AppData& data,
                             CharacterPageHost& host, QWidget* parent)
    : QFrame(parent), large_(large), windowFont_(windowFont), data_(data), host_(host) {
    setObjectName(QStringLiteral("characterPage"));
    for (int slot = 1; slot <= kJobSlots; ++slot)
        workCodes_[size_t(slot - 1)] = initialWorkCode(slot);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    v->addWidget(buildSubPageOptions());

    // The sub-pages share this area; hidden frames take no room.
    auto* area = new QGridLayout;
    area->setSpacing(4);
    area->addWidget(buildStatusFrame(), 0, 0, 2, 1);
    area->addWidget(buildEquipmentFrame(true), 0, 0);
    area->addWidget(buildWeightFrame(), 1, 0);
    area->addWidget(buildWorkFrame(), 0, 1, 2, 1);
    area->addWidget(buildEquipmentFrame(false), 0, 1, 2, 1);
    area->setColumnStretch(0, 1);
    area->setColumnStretch(1, 1);
    v->addLayout(area, 1);

    buildButtons();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveCharacterButton_);
    buttons->addWidget(showSavedCharactersButton_);
    buttons->addStretch();
    buttons->addWidget(luckPrayerButton_);
    v->addLayout(buttons);

    helpLabel_ = makeLabel(this, QString());
    helpLabel_->setObjectName(QStringLiteral("characterHelpLabel"));
    helpLabel_->setFrameShape(QFrame::Panel);
    helpLabel_->setFrameShadow(QFrame::Sunken);
    helpLabel_->setMinimumHeight(designFontMetrics(helpLabel_).height() + 4);
    v->addWidget(helpLabel_);

    fitRowHeights(this);
    // Until the page is first shown the status sub-page is the one laid out.
    for (QWidget* frame :
         {static_cast<QWidget*>(weaponFrame_), static_cast<QWidget*>(equipmentFrame_),
          static_cast<QWidget*>(weightFrame_), static_cast<QWidget*>(workFrame_)})
        frame->hide();

    connectHandlers();
    setupKeys();
    setupHelp();
    // Fame starts at 0: nine job slots until it changes.
    showSlotsForFame();
}

QGroupBox* CharacterPage::buildSubPageOptions() {
    subPageFrame_ = makeFrame(this);
    subPageFrame_->setObjectName(QStringLiteral("subPageFrame"));
    static const char16_t* const captions[] = {u"能力", u"装備", u"技術"};
    static const char16_t* const tips[] = {u"キャラの能力情報入力画面表示します",
                                           u"キャラの装備情報入力画面表示します",
                                           u"キャラの仕事技術情報入力画面表示します"};
    static const char* const names[] = {"subPageStatusOption", "subPageEquipmentOption",
                                        "subPageWorksOption"};
    auto* row = new QHBoxLayout(subPageFrame_);
    row->setContentsMargins(8, 2, 8, 2);
    for (size_t i = 0; i < subPageOptions_.size(); ++i) {
        QRadioButton* button =
            makeOption(subPageFrame_, QString::fromUtf16(captions[i]), QString::fromUtf16(tips[i]));
        button->setObjectName(QLatin1String(names[i]));
        row->addWidget(button);
        subPageOptions_[i] = button;
    }
    row->addStretch();
    return subPageFrame_;
}

QGroupBox* CharacterPage::buildStatusFrame() {
    statusFrame_ = makeFrame(this, QStringLiteral("PCデータを入力します"));
    statusFrame_->setObjectName(QStringLiteral("statusFrame"));
    auto* g = tightGrid(statusFrame_);
    // Made in the order they are placed: the order they join the tab order in.
    nameCaption_ =
        makeLabel(statusFrame_, QStringLiteral("名前"), QStringLiteral("キャラの名前を入力します"));
    nameList_ = new QComboBox(statusFrame_);
    nameList_->setObjectName(QStringLiteral("nameList"));
    nameList_->setEditable(true);
    nameList_->setToolTip(QStringLiteral("入力した名前の選択をします"));
    jobCaption_ =
        makeLabel(statusFrame_, QStringLiteral("職業"), QStringLiteral("職業の選択をします"));
    jobList_ = makeList(statusFrame_, QStringLiteral("選択した職業が表示されます"),
                        QStringLiteral("平民"));
    jobList_->setObjectName(QStringLiteral("jobList"));
    g->addWidget(nameCaption_, 0, 0);
    g->addWidget(nameList_, 0, 1, 1, 4);
    g->addWidget(jobCaption_, 1, 0);
    g->addWidget(jobList_, 1, 1, 1, 4);

    auto row = [this, g](Status box, const QString& caption, const QString& labelTip,
                         const QString& boxTip, const QString& text, const char* name, int gridRow,
                         int column) {
        CaptionedBox& r = statusRows_[size_t(box)];
        r.caption = makeLabel(statusFrame_, caption, labelTip);
        r.caption->setObjectName(named(name, "Caption"));
        r.box = makeBox(statusFrame_, boxTip, text);
        r.box->setObjectName(named(name, "Box"));
        g->addWidget(r.caption, gridRow, column);
        g->addWidget(r.box, gridRow, column + 1);
    };
    const QString fameTip = QStringLiteral("名声の値を入力します");
    row(Status::Fame, QStringLiteral("名声"), fameTip, fameTip, QStringLiteral("0"), "fame", 2, 0);
    row(Status::Level, QStringLiteral("Lv．"), QStringLiteral("自分のレベルを入力します"),
        QStringLiteral("自分のレベルが表示されます"), QStringLiteral("1"), "level", 2, 2);
    // HP, 体力, 知力, 幸運 down the left; MP, 敏捷, 筋力, 魅力 down the right; row by row.
    constexpr int kRowsDown = 4;
    for (int r = 0; r < kRowsDown; ++r) {
        for (int side = 0; side < 2; ++side) {
            // The eight boxes below 名声 and Lv．; their labels carry the boxes' tips.
            const int value = side * kRowsDown + r;
            const StatusCaption& s = kStatusCaptions[size_t(value)];
            const QString tip = QString::fromUtf16(s.tip);
            row(Status(int(Status::Hp) + value), QString::fromUtf16(s.caption), tip, tip,
                QStringLiteral("0"), s.name, 3 + r, side * 2);
        }
    }
    // 名声 takes eight digits, the other boxes five at most.
    fitDigits(statusBox(Status::Fame), 8);
    for (const CaptionedBox& r : statusRows_) {
        if (r.box != statusBox(Status::Fame))
            fitDigits(r.box, 6);
    }
    // The room of a larger window goes to the lists and past the boxes, never between a
    // label and its box.
    g->setColumnStretch(4, 1);
    g->setRowStretch(7, 1);
    return statusFrame_;
}

QGroupBox* CharacterPage::buildEquipmentFrame(bool weapons) {
    QGroupBox* frame = makeFrame(this, weapons ? QStringLiteral("武器の種類を選択します")
                                               : QStringLiteral("装備品を選択します"));
    frame->setObjectName(weapons ? QStringLiteral("weaponFrame")
                                 : QStringLiteral("equipmentFrame"));
    (weapons ? weaponFrame_ : equipmentFrame_) = frame;
    auto* g = tightGrid(frame);
    if (!weapons)
        g->setVerticalSpacing(large_ ? 3 : 1);
    int gridRow = 0;
    for (Equipment kind : kAllEquipment) {
        if (isWeapon(kind) != weapons)
            continue;
        const QString name = equipmentCaption(kind);
        const QString tip = QStringLiteral("装備している%1を選択します").arg(name);
        QString labelTip = tip;
        // The labels from 杖 to グローブ all carry the 杖 tip.
        if (weapons && kind >= Equipment::Staff)
            labelTip = QStringLiteral("装備している杖を選択します");
        else if (kind == Equipment::Gloves)
            labelTip = QStringLiteral("装備している手袋（こて）を選択します");
        else if (kind == Equipment::Clothes)
            labelTip = QStringLiteral("装備している衣（服）を選択します");
        EquipmentRow& row = equipmentRows_[size_t(kind)];
        row.caption = makeLabel(frame, name, labelTip);
        row.caption->setObjectName(named(kEquipmentNames[int(kind)], "Caption"));
        row.list = makeList(frame, tip, kUnchosen);
        row.list->setObjectName(named(kEquipmentNames[int(kind)], "List"));
        g->addWidget(row.caption, gridRow, 0);
        g->addWidget(row.list, gridRow, 1);
        ++gridRow;
    }
    g->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* CharacterPage::buildWeightFrame() {
    weightFrame_ = makeFrame(this, QStringLiteral("PCデータ等から計算した結果を表示します"));
    weightFrame_->setObjectName(QStringLiteral("weightFrame"));
    struct Text {
        const char16_t* caption;
        const char16_t* labelTip;
        const char16_t* boxTip;
        const char* name;
    };
    static const Text texts[] = {
        {u"装備重量", u"装備品の合計重量を表示します", u"装備品の合計重量が表示されます",
         "equipmentWeight"},
        {u"現在重量", u"現在の合計重量を表示します", u"現在の重量を入力します", "currentWeight"},
        {u"最大重量", u"最大重量を表示します", u"最大重量が表示されます", "maximumWeight"},
    };
    auto* g = tightGrid(weightFrame_);
    for (size_t i = 0; i < weightRows_.size(); ++i) {
        CaptionedBox& row = weightRows_[i];
        row.caption = makeLabel(weightFrame_, QString::fromUtf16(texts[i].caption),
                                QString::fromUtf16(texts[i].labelTip));
        row.caption->setObjectName(named(texts[i].name, "Caption"));
        row.box = makeBox(weightFrame_, QString::fromUtf16(texts[i].boxTip));
        row.box->setObjectName(named(texts[i].name, "Box"));
    }
    for (size_t i = 0; i < weightRows_.size(); ++i) {
        fitDigits(weightRows_[i].box, 6);
        g->addWidget(weightRows_[i].caption, int(i), 0);
        g->addWidget(weightRows_[i].box, int(i), 1, Qt::AlignLeft);
    }
    g->setColumnStretch(1, 1);
    return weightFrame_;
}

QGroupBox* CharacterPage::buildWorkFrame() {
    workFrame_ = makeFrame(this);
    workFrame_->setObjectName(QStringLiteral("workFrame"));
    return workFrame_;
}

void CharacterPage::ensureJobSlots() {
    if (jobSlotsBuilt_)
        return;
    jobSlotsBuilt_ = true;
    auto* g = tightGrid(workFrame_);
    g->setVerticalSpacing(large_ ? 3 : 1);
    for (int slot = 1; slot <= kJobSlots; ++slot) {
        JobSlot& s = jobSlots_[size_t(slot - 1)];
        const QString name = QStringLiteral("jobSlot%1").arg(slot);
        s.check = new QCheckBox(workFrame_);
        s.check->setObjectName(name + QStringLiteral("Check"));
        s.workList = new QComboBox(workFrame_);
        s.workList->setObjectName(name + QStringLiteral("WorkList"));
        s.workList->setEditable(true);
        s.workList->setToolTip(QStringLiteral("作業名を選択します"));
        s.levelBox = makeBox(workFrame_, QStringLiteral("作業のレベルを入力します"));
        s.levelBox->setObjectName(name + QStringLiteral("LevelBox"));
        fitDigits(s.levelBox, 3);
        if (slot < kFirstFreeSlot) {
            const QString work = QString::fromUtf16(kGatheringWorks[size_t(slot - 1)]);
            s.workList->addItem(work);
            // Nothing is chosen yet; the sixth slot has always shown its own spelling.
            s.workList->setCurrentIndex(-1);
            s.workList->setEditText(slot == 6 ? QStringLiteral("鉱石堀り") : work);
        }
        g->addWidget(s.check, slot - 1, 0);
        g->addWidget(s.workList, slot - 1, 1);
        g->addWidget(s.levelBox, slot - 1, 2);
    }
    g->setColumnStretch(1, 1);
    fitRowHeights(workFrame_);
    for (int slot = 1; slot <= kJobSlots; ++slot) {
        QComboBox* work = jobSlots_[size_t(slot - 1)].workList;
        connect(work, &QComboBox::activated, this, [this, slot] { rememberWorkCode(slot); });
        // Only typing changes a slot's text; choosing from the list is a click.
        connect(work->lineEdit(), &QLineEdit::textEdited, this,
                [this, slot] { restoreWorkEntry(slot); });
    }
    setupJobSlotKeysAndHelp();
    showSlotsForFame();
    placeJobSlotsInTabOrder();
}

void CharacterPage::placeJobSlotsInTabOrder() {
    // Built after the page, the slots belong after the weight boxes, where the page lays
    // them out.
    const QList<QWidget*> weights = focusControlsIn(weightFrame_);
    chainTabOrder(weights.isEmpty() ? nullptr : weights.last(), focusControlsIn(workFrame_));
}

void CharacterPage::buildButtons() {
    saveCharacterButton_ =
        makeButton(this, QStringLiteral("PC保存（&S）"), QStringLiteral("PC情報を保存します"));
    saveCharacterButton_->setObjectName(QStringLiteral("saveCharacterButton"));
    showSavedCharactersButton_ =
        makeButton(this, QStringLiteral("PC表示（&L）"), QStringLiteral("PC情報を読み込みます"));
    showSavedCharactersButton_->setObjectName(QStringLiteral("showSavedCharactersButton"));
    luckPrayerButton_ = makeButton(this, QStringLiteral("幸運祈願(&U)"),
                                   QStringLiteral("幸運祈願をした時の上昇後の値を計算します"));
    luckPrayerButton_->setObjectName(QStringLiteral("luckPrayerButton"));
}

void CharacterPage::fitRowHeights(QWidget* within) {
    const int rowHeight = QFontMetrics(windowFont_).height() + 6;
    for (QComboBox* list : within->findChildren<QComboBox*>())
        list->setFixedHeight(rowHeight);
    for (QLineEdit* field : within->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(field->parentWidget()))
            field->setFixedHeight(rowHeight);
    }
}

}  // namespace wm
