// Writes two small files and a manifest naming them into the folder given
// as the only argument: a stand-in for a program that draws resources during
// the build.
#include <cstdio>
#include <fstream>
#include <string>

int main(int Argc, char** Argv)
{
    if (Argc != 2)
    {
        std::fprintf(stderr, "usage: generated-probe FOLDER\n");
        return 2;
    }
    const std::string Folder = Argv[1];
    std::ofstream(Folder + "/first.txt", std::ios::binary) << "made during the build";
    std::ofstream Second(Folder + "/second with space.bin", std::ios::binary);
    for (int I = 0; I < 300; ++I)
        Second.put(static_cast<char>(I % 256));
    Second.close();
    std::ofstream Manifest(Folder + "/manifest.txt", std::ios::binary);
    Manifest << "GENERATED_FIRST first.txt\n"
             << "Generated.Second " << Folder << "/second with space.bin\n";
    return Manifest ? 0 : 1;
}
