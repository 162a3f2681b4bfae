#include "cli/kavrel_calc.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // The record is written byte for byte: CR LF stays CR LF.
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    int status = kavrel::RunKavrelCalc(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
