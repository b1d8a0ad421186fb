// Start-up timing for bench/startup.sh. Only when the environment variable ZORVEK_STARTUP_PROBE holds
// the launch time (nanoseconds since the epoch, as `date +%s%N` prints it): prints, once the main
// window's diagram has first been drawn, the time since launch without the splash's wait, and where
// the distillate slider's cursor is on the screen. Otherwise every call does nothing.
#pragma once

namespace zorvek {

class FormMain;

namespace StartupProbe {

void SplashShown();
void SplashDone();
void Watch(FormMain* window);

} // namespace StartupProbe

} // namespace zorvek
