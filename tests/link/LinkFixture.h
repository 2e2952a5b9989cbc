#pragma once

#include "TracingHost.h"
#include "TracingTransport.h"
#include "link/SimulatedUnit.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace tunbox::test {

// A simulated unit, opened, with the exchange's transport calls and host calls
// recorded in one event log.
class LinkFixture : public ::testing::Test {
  protected:
    explicit LinkFixture(std::uint8_t version = 104)
        : unit(version), transport(unit, log), host(log) {
        unit.OpenUnit();
    }

    // Log lines that start with one of `prefixes`, in order.
    std::vector<std::string> Only(std::initializer_list<std::string_view> prefixes) const {
        std::vector<std::string> lines;
        for (const std::string& line : log) {
            for (std::string_view prefix : prefixes) {
                if (std::string_view(line).starts_with(prefix)) {
                    lines.push_back(line);
                    break;
                }
            }
        }
        return lines;
    }

    std::size_t Count(std::string_view prefix) const { return Only({prefix}).size(); }

    // The numbers of the PROGRESS lines, in order.
    std::vector<int> Progress() const {
        std::vector<int> values;
        for (const std::string& line : Only({"PROGRESS "}))
            values.push_back(std::stoi(line.substr(9)));
        return values;
    }

    SimulatedUnit unit;
    LinkEventLog log;
    TracingTransport transport;
    TracingHost host;
};

// Names parameterised cases after their `what` text ("first frame byte" ->
// "FirstFrameByte") so that test listings say which case failed.
struct NameFromWhat {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        std::string name;
        bool upper = true;
        for (const char* c = info.param.what; *c != '\0'; ++c) {
            const unsigned char ch = static_cast<unsigned char>(*c);
            if (std::isalnum(ch)) {
                name.push_back(upper ? static_cast<char>(std::toupper(ch)) : static_cast<char>(ch));
                upper = false;
            } else {
                upper = true;
            }
        }
        return name;
    }
};

} // namespace tunbox::test
