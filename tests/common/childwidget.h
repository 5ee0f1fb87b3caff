#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <cstdlib>

namespace wmtest {

// The control of a window by its objectName. A missing control fails the running test
// and ends the run: every later step would only dereference nothing.
template <class T>
T* child(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found) {
        const QByteArray message = "no control named " + name.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        qFatal("%s", message.constData());
    }
    return found;
}

template <class T>
T* child(QWidget* window, const char* name) {
    return child<T>(window, QString::fromLatin1(name));
}

// The entries of a list, in list order.
inline QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

}  // namespace wmtest
