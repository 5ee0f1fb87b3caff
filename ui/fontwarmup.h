#pragma once

#include <thread>

namespace wm {

// Qt builds its font database the first time a font is used: fontconfig reads its
// configuration and the list of installed fonts, a good part of a program's start. This
// builds it on a second thread instead, while the program reads its data files; the first
// use of a font on the program's own thread waits for it if it is not done yet (Qt's font
// database is thread-safe). Make one right after the application object and keep it for
// the run of the program; it changes nothing the program shows.
class FontDatabaseWarmUp {
  public:
    FontDatabaseWarmUp();
    ~FontDatabaseWarmUp();
    FontDatabaseWarmUp(const FontDatabaseWarmUp&) = delete;
    FontDatabaseWarmUp& operator=(const FontDatabaseWarmUp&) = delete;

  private:
    std::thread thread_;
};

}  // namespace wm
