#pragma once

#include <string>

namespace common {

// A window program started where no display can be reached: the toolkit would abort with
// a message about reinstalling the program. Created before the application object, this
// says in one line that no display is available and ends the program with status 1
// instead, both when the environment names no display and when the named one refuses.
//
//     common::DisplayCheck display("sendrik", argc, argv);
//     if (!display.Available()) return 1;
//     QApplication app(argc, argv);
//     display.Connected();
class DisplayCheck {
public:
    DisplayCheck(const char* program, int argc, char** argv);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // False when the environment names no display (the line is printed already).
    bool Available() const { return m_available; }
    // The application object is up: the toolkit's own messages go their usual way again.
    void Connected();

    // Why no display is available for this environment and these arguments; empty when
    // one is named or a platform that needs none (offscreen, minimal, vnc, ...) is chosen.
    static std::string MissingDisplay(int argc, char** argv);

private:
    bool m_available = true;
    bool m_watching = false;
};

}  // namespace common
