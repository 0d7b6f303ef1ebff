#include "fake_obx.h"

#include "obex/obx.h"

namespace fake_obx {

GetStep bytes(std::string data)
{
    GetStep step;
    step.data = std::move(data);
    step.hasData = true;
    return step;
}

GetStep code(int result)
{
    GetStep step;
    step.code = result;
    return step;
}

Script& script()
{
    static Script s;
    return s;
}

void reset()
{
    script() = Script{};
}

} // namespace fake_obx

using fake_obx::script;

namespace {

void record(std::string line)
{
    script().calls.push_back(std::move(line));
}

std::string handles(int connection, int transfer)
{
    return std::to_string(connection) + " " + std::to_string(transfer);
}

} // namespace

extern "C" {

int obx_connect(unsigned char interface_code)
{
    record("connect " + std::to_string(interface_code));
    return script().connectResult;
}

int obx_disconnect(int connection)
{
    record("disconnect " + std::to_string(connection));
    return 0;
}

int obx_open(int connection, const char* remote_name, int direction)
{
    record("open " + std::to_string(connection) + " " + remote_name + " " + std::to_string(direction));
    return script().openResult;
}

int obx_get(int connection, int transfer, char* buffer, int size)
{
    record("get " + handles(connection, transfer) + " " + std::to_string(size));
    auto& gets = script().gets;
    if (gets.empty())
        return -1;
    const fake_obx::GetStep step = gets.front();
    gets.pop_front();
    if (!step.hasData)
        return step.code;
    const int n = static_cast<int>(step.data.size()) < size ? static_cast<int>(step.data.size()) : size;
    step.data.copy(buffer, static_cast<size_t>(n));
    return static_cast<int>(step.data.size()); // a broken engine may claim more than it copied
}

int obx_put(int connection, int transfer, const char* data, int length)
{
    record("put " + handles(connection, transfer) + " " + std::to_string(length));
    script().putData.emplace_back(data, static_cast<size_t>(length));
    auto& results = script().putResults;
    if (results.empty())
        return length;
    const int result = results.front();
    results.pop_front();
    return result;
}

int obx_close(int connection, int transfer)
{
    record("close " + handles(connection, transfer));
    return script().closeResult;
}

int obx_abort(int connection, int transfer)
{
    record("abort " + handles(connection, transfer));
    return 0;
}
}
