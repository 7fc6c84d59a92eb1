// Runs a fuzz target on the files and folders named (a corpus), without libFuzzer: how the
// committed seeds run in the ordinary and sanitized test builds.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> args;  // made absolute: the target changes folder
    for (int i = 1; i < argc; ++i)
        args.push_back(std::filesystem::absolute(argv[i]));
    int runs = 0;
    auto run = [&](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        ++runs;
    };
    for (const std::filesystem::path& arg : args) {
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                run(entry.path());
        } else {
            run(arg);
        }
    }
    std::cerr << runs << " inputs ran\n";
    return runs > 0 ? 0 : 1;
}
