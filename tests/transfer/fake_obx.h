// A scripted stand-in for the obx_* functions: each call is recorded as one text line and
// answered from the script, so a test sees exactly what a session asked of the engine.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace fake_obx {

// One answer of obx_get: the bytes to hand over, or a bare result code when `data` is unset.
struct GetStep
{
    int code = 0;
    std::string data;
    bool hasData = false;
};
GetStep bytes(std::string data);
GetStep code(int result);

struct Script
{
    int connectResult = 7;
    int openResult = 5;
    std::deque<GetStep> gets;   // empty: -1
    std::deque<int> putResults; // empty: accept the whole block
    int closeResult = 0;
    std::vector<std::string> calls;
    std::vector<std::string> putData; // the bytes of each put, as given
};

Script& script();
void reset();

} // namespace fake_obx
