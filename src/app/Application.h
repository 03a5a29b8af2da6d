#pragma once

class QApplication;

namespace app {

// Names the application, its version and its icon: the title every message
// box without one of its own carries, and what the About box reads. Caps the
// memory a picture read may take, and lets a write past a file-size limit
// fail rather than end the program.
void configureApplication(QApplication &application);

} // namespace app
