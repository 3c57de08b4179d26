#pragma once

namespace vellory {

// Makes the pictures in vellory.qrc (":/icons/...", ":/sites/...", ":/backgrounds/...") available.
// They live in a static library, whose self-registration the linker may drop, so the program and
// the tests call this once at start-up. Calling it again does nothing.
void InitResources();

}  // namespace vellory
