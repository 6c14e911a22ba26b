#include "platform/files/ReadToEnd.h"

void ReadToEnd(FileBytes& result, size_t limit, const ReadSome& readSome)
{
    char chunk[65536];
    for (;;) {
        const size_t room = limit - result.bytes.size();
        if (room == 0) {
            char extra;
            const ReadPiece more = readSome(&extra, 1);
            result.overLimit = more.problem.ok() && more.got > 0;
            return;
        }
        const ReadPiece piece = readSome(chunk, room < sizeof chunk ? room : sizeof chunk);
        if (!piece.problem.ok()) {
            result = FileBytes{piece.problem};
            return;
        }
        if (piece.got == 0)
            return;
        result.bytes.insert(result.bytes.end(), chunk, chunk + piece.got);
    }
}
