#include "machine/help_html.h"

namespace plonk::help {

std::string Escape(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '&')
            out += "&amp;";
        else if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else
            out += ch;
    }
    return out;
}

std::string Plain_Caption(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

std::string Picture(const std::string& file) { return "<img src=\"" + Escape(file) + "\">"; }

std::string Face_Of(const Control& c) { return c.Face.empty() ? std::string() : Picture(c.Face); }

std::string Table(const std::string& name, const std::vector<std::string>& header,
                  const std::vector<std::vector<std::string>>& rows) {
    std::string out = "<table class=\"" + name + "\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>";
    for (const std::string& h : header) out += "<th>" + h + "</th>";
    out += "</tr>";
    for (const auto& row : rows) {
        out += "<tr>";
        for (const std::string& cell : row) out += "<td align=\"center\">" + cell + "</td>";
        out += "</tr>";
    }
    return out + "</table>";
}

}  // namespace plonk::help
