// A stand-in document viewer for the launcher's tests. It writes the arguments
// it was given, one a line, to the file named by RVL92_TESTVIEWER_LOG, stays
// RVL92_TESTVIEWER_MS milliseconds, and writes "einde" as its last line when it
// ends: a caller that waited finds that line.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

int main(int argc, char** argv) {
    const char* log = std::getenv("RVL92_TESTVIEWER_LOG");
    const char* ms = std::getenv("RVL92_TESTVIEWER_MS");
    std::ofstream out;
    if (log)
        out.open(log, std::ios::binary | std::ios::trunc);
    for (int i = 1; i < argc; ++i)
        out << argv[i] << '\n';
    out.flush();
    if (ms)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(ms)));
    out << "einde\n";
    return 0;
}
