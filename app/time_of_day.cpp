#include "app/time_of_day.h"

namespace plonk {

std::string Time_Of_Day_Text(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

}  // namespace plonk
