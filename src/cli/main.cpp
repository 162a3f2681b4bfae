// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/descriptor_stream.h"
#include "cli/kavrel_calc.h"

#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    // Straight to the descriptors: the record's CR LF stays byte for byte, and a failed read
    // or write keeps its reason.
    kavrel::cli::DescriptorInput input(STDIN_FILENO);
    kavrel::cli::DescriptorOutput output(STDOUT_FILENO);
    std::istream in(&input);
    std::ostream out(&output);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    int status = kavrel::RunKavrelCalc(args, in, out, std::cerr);
    out.flush();
    if (int error = output.Error()) {
        std::cerr << "kavrel-calc: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    if (int error = input.Error()) {
        std::cerr << "kavrel-calc: read error: " << std::strerror(error) << '\n';
        return 1;
    }
    return status;
}
