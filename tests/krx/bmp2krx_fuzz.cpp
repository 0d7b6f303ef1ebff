// Feeds arbitrary bytes as a BMP file to the BMP -> KRX converter.
#include "krx/krx.h"
#include "tests/reeflink/fuzz_temp_file.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzzing::tempPath("bmp2krx_fuzz.bmp");
    fuzzing::writeTemp(path, data, size);
    KrxHeader header{};
    header.data_size = KRX_MAX_BUFFER;
    unsigned char pixels[KRX_MAX_BUFFER];
    if (gp_bmp2krx(path.c_str(), &header, pixels) == 0) {
        // Whatever was accepted must convert back.
        if (gp_krx2bmp(path.c_str(), &header, pixels) != 0)
            __builtin_trap();
    }
    return 0;
}
