#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <functional>

#include "dialogs.h"

namespace wm {

// The registry roots the program reads.
enum class RegRoot { LocalMachine };

// One value of a registry key into out: a text as it is, a 32-bit number as its decimal
// text; other kinds leave out as it was. On any failure out is "" and the result false.
// On Windows this reads the real registry; elsewhere the stand-in below.
bool readRegistryValue(RegRoot root, const QString& keyPath, const QString& valueName,
                       QString& out);

// Finds the system information tool through the registry and starts it, or tells the user
// (titled appTitle) that it cannot be used now.
void startSystemInfo(Dialogs& dialogs, const QString& appTitle);

// Starts a program by its path without waiting for it; false when it could not start.
using SystemInfoLauncher = std::function<bool(const QString& path)>;
// Replaces how the tool is started (tests watch the start); returns the previous way.
SystemInfoLauncher setSystemInfoLauncher(SystemInfoLauncher launcher);

#ifndef Q_OS_WIN
// What readRegistryValue reads where there is no registry: keys (path, case-insensitive as in
// the registry) holding named values. Empty in the program; tests fill it.
class RegistryStandIn {
  public:
    // Registry value kinds by their numbers.
    enum Type { Text = 1, Binary = 3, Number = 4 };

    static RegistryStandIn& instance();

    void addKey(RegRoot root, const QString& keyPath);
    void setText(RegRoot root, const QString& keyPath, const QString& name, const QString& text);
    void setNumber(RegRoot root, const QString& keyPath, const QString& name, quint32 number);
    void setBinary(RegRoot root, const QString& keyPath, const QString& name,
                   const QByteArray& bytes);
    void clear() { keys_.clear(); }

    bool hasKey(RegRoot root, const QString& keyPath) const;
    // False when the key or the value is missing.
    bool value(RegRoot root, const QString& keyPath, const QString& name, Type& type,
               QVariant& data) const;

  private:
    struct Value {
        Type type;
        QVariant data;
    };
    static QString keyOf(RegRoot root, const QString& keyPath);
    QMap<QString, QMap<QString, Value>> keys_;
};
#endif

}  // namespace wm
