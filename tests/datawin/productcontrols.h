#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <array>

#include "childwidget.h"

namespace wmtest {

// The controls of the product window, found by their names, grouped as the window groups
// them.
struct ProductControls {
    struct MaterialRow {
        QComboBox* workList;
        QLineEdit* level;
        QComboBox* nameList;
        QLineEdit* count;
        QLineEdit* weight;
    };
    struct WeightBoxes {
        QLineEdit* current;
        QLineEdit* maximum;
        QLineEdit* total;
    };
    struct InfoModes {
        QRadioButton* materials;
        QRadioButton* products;
    };
    struct GuildPanel {
        QRadioButton* guildOption;
        QRadioButton* learningOption;
        QComboBox* placeList;
        QLineEdit* building;
        QLineEdit* person;
        QLabel* conditionCaption;
        QLineEdit* condition;
    };

    explicit ProductControls(QWidget* window)
        : workList(child<QComboBox>(window, "workList")),
          productList(child<QComboBox>(window, "productList")),
          levelBox(child<QLineEdit>(window, "levelBox")),
          expBox(child<QLineEdit>(window, "expBox")),
          runsBox(child<QLineEdit>(window, "runsBox")),
          totalExpBox(child<QLineEdit>(window, "totalExpBox")),
          weightBox(child<QLineEdit>(window, "weightBox")),
          materials{row(window, 1), row(window, 2), row(window, 3)},
          weights{child<QLineEdit>(window, "currentWeightBox"),
                  child<QLineEdit>(window, "maximumWeightBox"),
                  child<QLineEdit>(window, "totalWeightBox")},
          modes{child<QRadioButton>(window, "materialsOption"),
                child<QRadioButton>(window, "productsOption")},
          guildPanel{child<QRadioButton>(window, "guildOption"),
                     child<QRadioButton>(window, "learningOption"),
                     child<QComboBox>(window, "placeList"),
                     child<QLineEdit>(window, "buildingBox"),
                     child<QLineEdit>(window, "personBox"),
                     child<QLabel>(window, "conditionCaption"),
                     child<QLineEdit>(window, "conditionBox")},
          infoBox(child<QPlainTextEdit>(window, "infoBox")) {}

    QComboBox* workList;
    QComboBox* productList;
    QLineEdit* levelBox;
    QLineEdit* expBox;
    QLineEdit* runsBox;
    QLineEdit* totalExpBox;
    QLineEdit* weightBox;
    std::array<MaterialRow, 3> materials;
    WeightBoxes weights;
    InfoModes modes;
    GuildPanel guildPanel;
    QPlainTextEdit* infoBox;

  private:
    static MaterialRow row(QWidget* window, int k) {
        return {child<QComboBox>(window, QStringLiteral("materialWorkList%1").arg(k)),
                child<QLineEdit>(window, QStringLiteral("materialLevelBox%1").arg(k)),
                child<QComboBox>(window, QStringLiteral("materialNameList%1").arg(k)),
                child<QLineEdit>(window, QStringLiteral("materialCountBox%1").arg(k)),
                child<QLineEdit>(window, QStringLiteral("materialWeightBox%1").arg(k))};
    }
};

}  // namespace wmtest
