// Feeds arbitrary bytes as filelist.dat to the file-list reader.
#include "reeflink/reeflink.h"
#include "tests/reeflink/fuzz_temp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzzing::tempPath("filelist_fuzz.dat");
    fuzzing::writeTemp(path, data, size);
    std::vector<std::string> texts;
    const RlTextList list = reeflink::textListOf(texts);
    const int result = LoadFilelist(path.c_str(), &list);
    // Entries come in name/size pairs, and a clean read never holds more names than bytes allow.
    if ((result != 0 && result != -1004) || texts.size() % 2 != 0 || texts.size() / 2 > size / 17)
        __builtin_trap();
    return 0;
}
