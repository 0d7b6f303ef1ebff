/* KRX: conversion between the watch's KRX pictures and 1-bit BMP files.
 *
 * A KRX picture is a 28-byte header (the KrxHeader record below, little-endian) followed by
 * pixel data cut into pages of 8 rows from the top; each page is `width` bytes, one per column
 * from the left; bit 0 of a byte is the top row of its page, a set bit is a dark pixel.
 *
 * Both converters work through buffers of KRX_MAX_BUFFER bytes: a picture is refused when its
 * packed rows (height x ((width + 7) / 8)) or its pages ((height + 7) / 8 x ((width + 7) / 8) x 8)
 * exceed that, so the pixel data a converter reads or writes never exceeds KRX_MAX_BUFFER bytes.
 * They return 0 on success and -1 on any failure, and show no window.
 */
#ifndef KELPSET_KRX_H
#define KELPSET_KRX_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KRX_HEADER_SIZE 28
#define KRX_MAX_BUFFER 256

/* The KRX file header; the converters use only magic, width, height and data_size. */
typedef struct KrxHeader
{
    char magic[4];      /* "KRX" and a zero byte */
    uint16_t width;     /* pixels */
    uint16_t height;    /* pixels */
    uint32_t data_size; /* width x ((height - 1) / 8 + 1) */
    unsigned char reserved[16];
} KrxHeader;

/* Writes a 1-bit bottom-up BMP (62-byte header, palette black then white) at `bmp_path` from
 * the picture in `header` and `data`. Fails, writing nothing, when the data size does not match
 * width and height, the width or height is 0, or the picture exceeds the buffers. */
int gp_krx2bmp(const char* bmp_path, const KrxHeader* header, const unsigned char* data);

/* Reads the 1-bit BMP at `bmp_path` (bottom-up or top-down, either palette order) into `header`
 * and `data`. On entry header->data_size must be nonzero; `data` must hold the whole picture
 * (at most KRX_MAX_BUFFER bytes). When the file cannot be opened, prints a notice line on
 * standard output. On failure neither `header` nor `data` is changed. */
int gp_bmp2krx(const char* bmp_path, KrxHeader* header, unsigned char* data);

#ifdef __cplusplus
}
#endif

#endif
