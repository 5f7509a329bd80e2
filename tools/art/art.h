// The program's own art, made from code: the bytes of each bitmap and icon
// file of res/art. Every run on every build gives the same bytes.
#pragma once
#include <string>
#include <vector>

// 192 x 192, 1 bit: the dialog background, set bits shown in the face colour.
std::vector<unsigned char> make_texture_bmp();
// 640 x 58, 4 bits: the caption strip, a light band over a dark one.
std::vector<unsigned char> make_caption_bmp();
// The message box patterns, 1 bit, black symbols on white.
std::vector<unsigned char> make_info_bmp();
std::vector<unsigned char> make_hands_bmp();
std::vector<unsigned char> make_exclamation_bmp();
std::vector<unsigned char> make_question_bmp();
// 32 x 32 and 16 x 16, 16 colours.
std::vector<unsigned char> make_setup_ico();

struct ArtFile {
    std::string name;
    std::vector<unsigned char> bytes;
};

// Every file above with its name.
std::vector<ArtFile> make_all_art();
