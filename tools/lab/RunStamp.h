#pragma once
// What a results page says about when and under what load it was measured; shared by the lab's
// programs.

#include <ctime>
#include <fstream>
#include <string>

// The local time written with a strftime pattern.
inline std::string localTime(const char* pattern) {
    const std::time_t now = std::time(nullptr);
    char text[64];
    std::strftime(text, sizeof text, pattern, std::localtime(&now));
    return text;
}

// The one-minute load average, or empty where the system does not tell.
inline std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string first;
    in >> first;
    return first;
}
