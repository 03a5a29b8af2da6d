#pragma once

class QApplication;

namespace app {

// Lets a write past a file-size limit (ulimit -f) fail as any write does,
// where the kernel would otherwise end the program: a save then undoes
// itself and says so. Called first of all, before anything is written,
// Qt's own warnings among it.
void ignoreFileSizeLimitSignal();

// Names the application, its version and its icon: the title every message
// box without one of its own carries, and what the About box reads. Caps the
// memory a picture read may take.
void configureApplication(QApplication &application);

} // namespace app
