#include "sysinfo.h"

#include <QFileInfo>
#include <QProcess>

#include "textrules.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wm {

namespace {

SystemInfoLauncher& launcher() {
    static SystemInfoLauncher start = [](const QString& path) {
        return QProcess::startDetached(path, {});
    };
    return start;
}

}  // namespace

SystemInfoLauncher setSystemInfoLauncher(SystemInfoLauncher next) {
    SystemInfoLauncher previous = std::move(launcher());
    launcher() = std::move(next);
    return previous;
}

#ifdef Q_OS_WIN

bool readRegistryValue(RegRoot, const QString& keyPath, const QString& valueName, QString& out) {
    HKEY key = nullptr;
    // Reading needs read rights only; asking for more fails for a user without
    // administrator rights.
    const QByteArray path = keyPath.toLocal8Bit();
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.constData(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        out.clear();
        return false;
    }
    char buffer[1024] = {};
    DWORD length = sizeof(buffer);
    DWORD type = 0;
    const QByteArray name = valueName.toLocal8Bit();
    const LONG queried = RegQueryValueExA(key, name.constData(), nullptr, &type,
                                          reinterpret_cast<BYTE*>(buffer), &length);
    if (queried != ERROR_SUCCESS) {
        RegCloseKey(key);
        out.clear();
        return false;
    }
    // Only a failure empties out; a value of another kind leaves it as it was.
    if (type == REG_SZ) {
        DWORD n = qMin<DWORD>(length, sizeof(buffer));
        if (n > 0 && buffer[n - 1] == '\0')
            --n;
        out = QString::fromLocal8Bit(buffer, qsizetype(n));
    } else if (type == REG_DWORD && length >= 4) {
        quint32 number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | quint8(buffer[i]);
        out = QString::number(number);
    }
    RegCloseKey(key);
    return true;
}

#else

RegistryStandIn& RegistryStandIn::instance() {
    static RegistryStandIn registry;
    return registry;
}

QString RegistryStandIn::keyOf(RegRoot, const QString& keyPath) {
    return QStringLiteral("HKLM\\") + keyPath.toLower();
}

void RegistryStandIn::addKey(RegRoot root, const QString& keyPath) {
    keys_[keyOf(root, keyPath)];
}

void RegistryStandIn::setText(RegRoot root, const QString& keyPath, const QString& name,
                              const QString& text) {
    keys_[keyOf(root, keyPath)][name.toLower()] = {Text, text};
}

void RegistryStandIn::setNumber(RegRoot root, const QString& keyPath, const QString& name,
                                quint32 number) {
    keys_[keyOf(root, keyPath)][name.toLower()] = {Number, number};
}

void RegistryStandIn::setBinary(RegRoot root, const QString& keyPath, const QString& name,
                                const QByteArray& bytes) {
    keys_[keyOf(root, keyPath)][name.toLower()] = {Binary, bytes};
}

bool RegistryStandIn::hasKey(RegRoot root, const QString& keyPath) const {
    return keys_.contains(keyOf(root, keyPath));
}

bool RegistryStandIn::value(RegRoot root, const QString& keyPath, const QString& name, Type& type,
                            QVariant& data) const {
    const auto key = keys_.constFind(keyOf(root, keyPath));
    if (key == keys_.cend())
        return false;
    const auto v = key->constFind(name.toLower());
    if (v == key->cend())
        return false;
    type = v->type;
    data = v->data;
    return true;
}

bool readRegistryValue(RegRoot root, const QString& keyPath, const QString& valueName,
                       QString& out) {
    RegistryStandIn::Type type = RegistryStandIn::Text;
    QVariant data;
    if (!RegistryStandIn::instance().value(root, keyPath, valueName, type, data)) {
        out.clear();
        return false;
    }
    if (type == RegistryStandIn::Text)
        out = data.toString();
    else if (type == RegistryStandIn::Number)
        out = QString::number(data.toUInt());
    return true;
}

#endif

void startSystemInfo(Dialogs& dialogs, const QString& appTitle) {
    QString path;
    QString value;
    if (readRegistryValue(RegRoot::LocalMachine,
                          QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                          QStringLiteral("PATH"), value)) {
        path = value;
    } else if (readRegistryValue(RegRoot::LocalMachine,
                                 QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                 QStringLiteral("MSINFO"), value)) {
        const QString tool = value + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(toNativePath(tool)))
            path = tool;
    }
    if (!path.isEmpty() && launcher() && launcher()(toNativePath(path)))
        return;
    dialogs.messageBox(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), appTitle,
                       Dialogs::Buttons::Ok, Dialogs::Icon::None);
}

}  // namespace wm
