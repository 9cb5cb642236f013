#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Byte layouts of slot contents and files: all words little-endian. Every
// function here reads only within the span it is given.

// The offset of the UfifHeader embedded in an ELF-wrapped image: the first
// segment's file offset when e_phoff (word 28) is at most 120, else 0.
uint32_t ElfHeaderOffset(std::span<const uint8_t> image);

// True for a UFIF 2.0 image that can be converted: word 0 is 0x20000000, or
// word 0 is the ELF magic and the embedded tag (within the image) is 0x20000000.
bool IsUfif20Image(std::span<const uint8_t> image);

// Sets byte 2 of the UfifHeader (plain or embedded) to 1, so the tag reads
// 0x20010000. Only for images where IsUfif20Image holds.
void MarkUfif21(std::span<uint8_t> image);

// The offset A of the image's appendix (last word 0x535A417F, A at length - 8
// and within 0..length-8), or nullopt.
std::optional<size_t> FindImageAppendix(std::span<const uint8_t> image);

// A 16-byte programName at offset: the bytes before the first NUL, at most 16,
// never past the span; decoded from Windows-1251 to UTF-8.
std::string ProgramName(std::span<const uint8_t> bytes, size_t offset);
