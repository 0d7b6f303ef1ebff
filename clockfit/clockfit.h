/* Clockfit: decoder and encoder of the watch's time-sync file (timesync.wsy).
 *
 * The file is 93 bytes:
 *
 *   offset  width  content
 *   0       4      magic "KCFT"
 *   4       1      layout version, 1
 *   5       2      year, unsigned 16-bit little-endian, 1900-2099
 *   7       1      month, 1-12
 *   8       1      day of the month, 1 to the month's length (leap years counted)
 *   9       1      day of the week, 0 (Sunday) - 6
 *   10      1      hour, 0-23
 *   11      1      minute, 0-59
 *   12      1      second, 0-59
 *   13      1      time difference byte: bits 0-6 a signed 7-bit count of 30-minute steps
 *                  (local time minus universal time), bit 7 adds one more step
 *   14      75     reserved, written as zero and not checked
 *   89      4      CRC-32 (IEEE 802.3, reflected, as used by zip) of bytes 0-88, little-endian
 *
 * Both functions write only into the caller's buffers and show nothing.
 */
#ifndef KELPSET_CLOCKFIT_H
#define KELPSET_CLOCKFIT_H

#ifdef __cplusplus
extern "C" {
#endif

/* Size of a time-sync file. */
#define CLOCKFIT_FILE_SIZE 93

/* Decodes `length` bytes of `data` (only exactly CLOCKFIT_FILE_SIZE is accepted).
 * On success fills `date` (8 bytes: 0-1 year little-endian, 2 day, 3 month, 4 day of week,
 * 5-7 zero) and `time` (4 bytes: 0 minute, 1 hour, 2 second, 3 time difference byte) and
 * returns 0. Returns -1, leaving both blocks untouched, for a null pointer, a wrong length,
 * a wrong magic or version, a wrong CRC or a field out of range. */
int rez_clockfit(const unsigned char* data, int length, unsigned char* date, unsigned char* time);

/* Builds a time-sync file from the given fields (ranges as in the layout above;
 * `time_diff_byte` is stored as given, 0-255) into `out`, which holds `out_size` bytes.
 * Returns CLOCKFIT_FILE_SIZE on success, or -1 for a null `out`, an `out_size` below
 * CLOCKFIT_FILE_SIZE or a field out of range (then `out` is untouched). */
int rez_clockfit_encode(int year, int month, int day, int day_of_week, int hour, int minute, int second,
                        int time_diff_byte, unsigned char* out, int out_size);

#ifdef __cplusplus
}
#endif

#endif
