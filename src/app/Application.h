#pragma once

class QApplication;

namespace app {

// The most one picture read from disk may take, in megabytes. The largest
// picture the program shows needs under 2; a picture whose header claims
// more is damaged or hostile, and is refused before anything is allocated.
constexpr int PictureAllocationLimitMb = 8;

// Names the application, its version and its icon: the title every message
// box without one of its own carries, and what the About box reads. Caps the
// memory a picture read may take.
void configureApplication(QApplication &application);

} // namespace app
