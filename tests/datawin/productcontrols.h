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
        QLabel* conditionLabel;
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
          weights{child<QLineEdit>(window, "currentWeight"),
                  child<QLineEdit>(window, "maximumWeight"),
                  child<QLineEdit>(window, "totalWeight")},
          modes{child<QRadioButton>(window, "materialsMode"),
                child<QRadioButton>(window, "productsMode")},
          guildPanel{child<QRadioButton>(window, "guildOption"),
                     child<QRadioButton>(window, "learningOption"),
                     child<QComboBox>(window, "placeList"),
                     child<QLineEdit>(window, "building"),
                     child<QLineEdit>(window, "person"),
                     child<QLabel>(window, "conditionLabel"),
                     child<QLineEdit>(window, "condition")},
          infoText(child<QPlainTextEdit>(window, "infoText")) {}

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
    QPlainTextEdit* infoText;

  private:
    static MaterialRow row(QWidget* window, int k) {
        return {child<QComboBox>(window, QStringLiteral("materialWork%1").arg(k)),
                child<QLineEdit>(window, QStringLiteral("materialLevel%1").arg(k)),
                child<QComboBox>(window, QStringLiteral("materialName%1").arg(k)),
                child<QLineEdit>(window, QStringLiteral("materialCount%1").arg(k)),
                child<QLineEdit>(window, QStringLiteral("materialWeight%1").arg(k))};
    }
};

}  // namespace wmtest
