/* The OBEX client contract Kelpset uses to reach the watch.
 * Handles are nonzero 32-bit integers; 0 means failure. Names are zero-terminated byte strings
 * passed to the peer's Name header exactly as given. */
#ifndef KELPSET_OBX_H
#define KELPSET_OBX_H

#ifdef __cplusplus
extern "C" {
#endif

enum { OBX_FETCH = 1, OBX_PUT = 2 };

/* Connects to the endpoint that OBEX.INI [Interface] names for the code (0 IrDA, 1 USB). */
int obx_connect(unsigned char interface_code);
int obx_disconnect(int connection);
/* direction: OBX_FETCH or OBX_PUT. */
int obx_open(int connection, const char* remote_name, int direction);
/* Bytes placed in buffer; 0 nothing yet; -1 error (also once the request's deadline passed);
 * -2 end of file. */
int obx_get(int connection, int transfer, char* buffer, int size);
/* Bytes accepted (equal to length) or -1. length 0 is an empty command. */
int obx_put(int connection, int transfer, const char* data, int length);
/* 0 when the remote file was closed (for a put: stored), nonzero otherwise. */
int obx_close(int connection, int transfer);
int obx_abort(int connection, int transfer);

/* Deadline of each request, in milliseconds, for connections made afterwards (default 10000).
 * Returns the previous value, or -1 when milliseconds is not positive. */
int obx_set_timeout(int milliseconds);

#ifdef __cplusplus
}
#endif

#endif
