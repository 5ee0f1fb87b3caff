// The product window under the keyboard and the mouse: keys go to the focused control of
// the shown, active window; pastes, drops and the context menu obey the fields' rules.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "gamedata.h"
#include "productcontrols.h"
#include "productfixture.h"
#include "productwindow.h"
#include "productwindowtest.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "widgets.h"

using wm::ProductWindow;

namespace {

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key, modifiers);
}

// Opens the field's context menu and chooses an entry ("paste", "cut", "delete").
void chooseFromContextMenu(QWidget* field, const QString& entry) {
    QWidget* target = field;
    if (auto* list = qobject_cast<QComboBox*>(field))
        target = list->lineEdit();
    const QPoint at(4, target->height() / 2);
    QContextMenuEvent open(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* action = menu->findChild<QAction*>(entry + QStringLiteral("Action"));
    QVERIFY2(action, qPrintable(entry));
    QVERIFY(action->isEnabled());
    action->trigger();
    menu->close();
}

void dropText(QWidget* field, const QString& text) {
    QWidget* target = field;
    if (auto* list = qobject_cast<QComboBox*>(field))
        target = list->lineEdit();
    QMimeData mime;
    mime.setText(text);
    const QPointF at(target->width() - 2, target->height() / 2.0);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at.toPoint(), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

}  // namespace

class ProductWindowKeysTest : public wmtest::ProductWindowTest {
    Q_OBJECT

  private slots:
    void init() {
        openWindow();
        w().show();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win_.data()));
    }
    void cleanup() {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        closeWindow();
    }

    void informationTextPassesTab() {
        wm::chooseEntry(ui().workList, 6);  // 薬調合
        wm::chooseEntry(ui().productList, 1);
        const QString text = ui().infoBox->toPlainText();
        QVERIFY(!text.isEmpty());
        ui().infoBox->setFocus();
        press(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != ui().infoBox);
        ui().infoBox->setFocus();
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() != ui().infoBox);
        QCOMPARE(ui().infoBox->toPlainText(), text);
    }

    void workListTakesNoEdits_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Delete") << "delete";
        QTest::newRow("Ctrl+X") << "cut";
        QTest::newRow("Ctrl+V") << "paste";
        QTest::newRow("menu: delete") << "delete";
        QTest::newRow("menu: cut") << "cut";
        QTest::newRow("menu: paste") << "paste";
        QTest::newRow("drop") << "drop";
    }
    void workListTakesNoEdits() {
        QFETCH(QString, how);
        QComboBox* work = ui().workList;
        wm::chooseEntry(work, 6);
        QCOMPARE(work->currentText(), QString("薬調合"));
        work->setFocus();
        QGuiApplication::clipboard()->setText("料理");
        press(Qt::Key_Home);
        if (how == "delete") {
            press(Qt::Key_Delete);
            press(Qt::Key_Delete);
        } else if (how == "cut") {
            work->lineEdit()->selectAll();
            press(Qt::Key_X, Qt::ControlModifier);
        } else if (how == "paste") {
            press(Qt::Key_V, Qt::ControlModifier);
        } else if (how == "drop") {
            dropText(work, "料理");
        } else {
            work->lineEdit()->setSelection(0, 2);
            chooseFromContextMenu(work, how);
        }
        QCOMPARE(work->currentText(), QString("薬調合"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(work->currentText(), QString("薬調合"));
        // The product list and the information stay as the choice left them.
        QCOMPARE(ui().productList->itemText(1), QString("傷薬"));
    }

    void pastesTypeWhatTypingWould_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+V") << "ctrl";
        QTest::newRow("Shift+Insert") << "shift";
        QTest::newRow("menu") << "paste";
        QTest::newRow("drop") << "drop";
    }
    void pastesTypeWhatTypingWould() {
        QFETCH(QString, how);
        QLineEdit* weight = ui().weights.current;
        weight->setFocus();
        weight->selectAll();
        const QString twenty = "12345678901234567890";
        QGuiApplication::clipboard()->setText(twenty);
        if (how == "ctrl")
            press(Qt::Key_V, Qt::ControlModifier);
        else if (how == "shift")
            press(Qt::Key_Insert, Qt::ShiftModifier);
        else if (how == "drop")
            dropText(weight, twenty);
        else
            chooseFromContextMenu(weight, how);
        // A drop lands at its place, behind the 0.
        QCOMPARE(weight->text(), how == "drop" ? QString("01234") : QString("12345"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(weight->text(), QString("0"));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Redo);
        QVERIFY(weight->text().size() <= 5);

        // Letters are dropped, digits kept, three at most.
        QLineEdit* level = ui().levelBox;
        level->setFocus();
        QGuiApplication::clipboard()->setText("1x2\n3456");
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(level->text(), QString("123"));
    }

    void wheelLeavesUnfocusedWork() {
        QComboBox* work = ui().workList;
        wm::chooseEntry(work, 6);
        const QString products = ui().productList->itemText(1);
        ui().weights.current->setFocus();
        const QPointF inside(work->width() / 2.0, work->height() / 2.0);
        QWheelEvent wheel(inside, work->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(work->lineEdit(), &wheel);
        QApplication::sendEvent(work, &wheel);
        QCOMPARE(work->currentText(), QString("薬調合"));
        QCOMPARE(ui().productList->itemText(1), products);
        QCOMPARE(QApplication::focusWidget(), ui().weights.current);
        QCOMPARE(work->focusPolicy(), Qt::StrongFocus);
    }
};

WM_TEST_MAIN(ProductWindowKeysTest)
#include "tst_productwindowkeys.moc"
