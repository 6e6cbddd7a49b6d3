// The statistics file's reader: any bytes are either refused with a reason or read
// as statistics that write back to text reading the same again.
#include <string>

#include "fuzz/fuzz_support.h"
#include "stats/statistics_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace plonk;
    const Statistics_Read read = Statistics_From_Json(std::string(reinterpret_cast<const char*>(data), size));
    fuzz::Check(read.Data.has_value() != !read.Problem.empty(), "read, or refused with a reason");
    if (!read.Data) return 0;
    const Statistics_Read again = Statistics_From_Json(Statistics_To_Json(*read.Data));
    fuzz::Check(again.Data.has_value() && *again.Data == *read.Data, "written statistics read back the same");
    return 0;
}
