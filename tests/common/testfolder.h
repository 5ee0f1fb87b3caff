#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "appdata.h"

namespace wmtest {

// A throw-away program folder: txtFile with a file list and whatever data a test writes.
class TestFolder {
  public:
    TestFolder();
    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    // Program folder in the program's own backslash form.
    QString programFolder() const;
    QString filePath(const QString& relative) const;

    // Writes lines in code page 932, each followed by CR LF (or raw bytes).
    void writeLines(const QString& relative, const QStringList& lines) const;
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& relative) const;
    bool exists(const QString& relative) const;

    // The standard file list: txtFile\ and the data files under their usual names.
    void writeStandardFileList() const;
    // Copies the bundled sample data into txtFile.
    void copySampleData() const;
    // An AppData pointing at this folder with the standard file list entries.
    void prepare(wm::AppData& d) const;

  private:
    QTemporaryDir dir_;
};

QStringList standardFileList();
// The cp932 bytes of lines joined by CR LF, each line ended.
QByteArray cp932Lines(const QStringList& lines);

}  // namespace wmtest
