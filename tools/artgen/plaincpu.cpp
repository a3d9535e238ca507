// artgen-plaincpu: runs artgen with QT_NO_CPU_FEATURE made to work, so the art test can draw every
// picture again with Qt's vector routines switched off and prove that the files do not depend on
// the CPU.
//
// Qt 6.4 reads the variable but compares each name against table entries that start with a space,
// so no name ever matches and the variable changes nothing; it also cuts the variable at its first
// space while reading it, so list the names separated by commas. Qt Core fills its feature word when
// it starts and Qt Gui picks its drawing routines from that word when it starts. This launcher links
// only Qt Core: it clears the features the variable names, then loads the generator, with Qt Gui,
// from the artgenmain module next to it and runs it.
#include <QtGlobal>

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Qt Core's feature word and detector (exported, declared in a private header).
extern "C" std::uint64_t qt_cpu_features[1];
extern "C" std::uint64_t qDetectCpuFeatures();

namespace {

// Qt 6.4's feature bits, in its order (qsimd_x86_p.h).
// clang-format off
const char *const featureNames[] = {
    "sse2", "sse3", "ssse3", "fma", "sse4.1", "sse4.2", "movbe", "popcnt", "aes", "avx", "f16c", "rdrnd",
    "bmi", "avx2", "bmi2", "avx512f", "avx512dq", "rdseed", "avx512ifma", "avx512cd", "sha", "avx512bw",
    "avx512vl", "avx512vbmi", "avx512vbmi2", "shstk", "gfni", "vaes", "avx512vnni", "avx512bitalg",
    "avx512vpopcntdq", "hybrid", "ibt", "avx512fp16"};
// clang-format on
constexpr std::uint64_t initialised = std::uint64_t(1) << 63;

// Clears the named features in Qt's feature word; false on a name Qt 6.4 does not know.
bool clearNamedFeatures(const char *names)
{
    std::uint64_t features = qt_cpu_features[0] ? qt_cpu_features[0] : qDetectCpuFeatures();
    const std::string list(names);
    size_t at = 0;
    while (at < list.size()) {
        const size_t end = std::min(list.find(',', at), list.size());
        const std::string name = list.substr(at, end - at);
        at = end + 1;
        if (name.empty())
            continue;
        bool known = false;
        for (size_t bit = 0; bit < sizeof featureNames / sizeof *featureNames; ++bit)
            if (name == featureNames[bit]) {
                features &= ~(std::uint64_t(1) << bit);
                known = true;
            }
        if (!known) {
            std::fprintf(stderr, "artgen-plaincpu: unknown CPU feature '%s'\n", name.c_str());
            return false;
        }
    }
    qt_cpu_features[0] = features | initialised;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (std::strncmp(qVersion(), "6.4.", 4) != 0) {
        std::fprintf(stderr, "artgen-plaincpu: Qt %s is not 6.4; its feature bits are unknown here\n", qVersion());
        return 3;
    }
    const char *names = std::getenv("QT_NO_CPU_FEATURE");
    if (names && *names && !clearNamedFeatures(names))
        return 3;

    // The module lies next to this program.
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::fprintf(stderr, "artgen-plaincpu: cannot find where it is installed\n");
        return 3;
    }
    std::string module(self, size_t(length));
    module = module.substr(0, module.find_last_of('/') + 1) + "artgenmain.so";
    void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "artgen-plaincpu: %s\n", dlerror());
        return 3;
    }
    using Main = int (*)(int, char **);
    const auto run = reinterpret_cast<Main>(dlsym(handle, "artgenMain"));
    if (!run) {
        std::fprintf(stderr, "artgen-plaincpu: %s\n", dlerror());
        return 3;
    }
    return run(argc, argv);
}
