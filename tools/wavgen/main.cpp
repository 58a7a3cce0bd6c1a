// Writes the game's wave files into the folder given as the only argument.
#include <filesystem>
#include <iostream>

#include "tools/wavgen/Sounds.h"
#include "tools/wavgen/WavWriter.h"

int main(int argc, char** argv) {
    using namespace tessora::wavgen;
    if (argc != 2) {
        std::cerr << "usage: tessora-wavgen OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const SoundFile& sound : GameSounds()) {
        const std::filesystem::path path = folder / WaveFile(sound.sound);
        if (!WriteWave(path.string(), ToPcm16(sound.make()), kSampleRate)) {
            std::cerr << "tessora-wavgen: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
