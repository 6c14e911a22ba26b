#include "data/ResultFrame.h"

bool HasSignature(ByteSpan bytes, const char* signature)
{
    ByteReader reader(bytes);
    char field[ResultSignatureSize];
    reader.Read(field, sizeof field);
    std::string text;
    for (char c : field)
        if (c != 0)
            text += c;
    return text == signature;
}
