// The scenario console on any script, as plonk-sim runs one: a fresh machine after
// its start-up, then the script line by line. No script makes it crash, overflow or
// run for ever; a bad line is an error naming the line.
#include <sstream>

#include "fuzz/fuzz_support.h"
#include "tools/sim/console.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace plonk;
    plonk::fuzz::Fuzz_Machine run(plonk::fuzz::Fresh("Plonk.ini"));
    std::ostringstream out, err;
    sim::Console console(run.M, run.Tk, out, err);
    try {
        run.M.Form_Load();
        std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
        const int status = console.Run(script);
        plonk::fuzz::Check(status == 0 || status == 1 || status == 2, "an exit status of the console");
        plonk::fuzz::Check(status != 2 || err.str().rfind("plonk-sim: line ", 0) == 0,
                           "an error names its line");
    } catch (const plonk::fuzz::Over_Budget&) {
    }
    return 0;
}
