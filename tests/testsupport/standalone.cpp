// Compiled into every test executable, so that ./build/bin/test_x runs on its own as under ctest:
// the fixture and program folders are compiled in, Qt draws offscreen unless another platform is
// asked for, and the locale is fixed.
#include <cstdlib>

namespace {

struct StandaloneEnvironment
{
    StandaloneEnvironment()
    {
        // Runs before main(), so before the application object reads its platform and locale.
        setenv("GLOSSAND_TEST_DATA", GLOSSAND_TEST_DATA_DIR, 0);
        setenv("GLOSSAND_PROGRAM_DIR", GLOSSAND_PROGRAM_DIR, 0);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("LANG", "C.UTF-8", 1);
    }
};

const StandaloneEnvironment environment;

} // namespace
