#pragma once

// The in-process figures; each prints its lines of the table and returns the exit code.
namespace bench {

int ClickToScreen(int questions);
int HostClicks(int questions);
int TimeBar(int soundOn, int soundOff, bool baselineAlongside);
int TimeBarUnderLoad();
int Soak(int questions);
int IdleBoard(double seconds);
int ScaledPainting(int repeats);
int Throughput(double seconds);

}  // namespace bench
