/* Reefkit: profile (INI) access, the family's shared folders, path, file, text and listing
 * utilities, and the configuration of the dive-log programs. Plain C interface.
 *
 * Strings are zero-terminated byte strings; lengths count bytes. Path buffers hold
 * REEF_PATH_SIZE bytes; folder paths never end in '/'. Bare profile file names lie in the
 * family profile folder. Success flags are nonzero on success, 0 on failure. */
#ifndef REEFKIT_H
#define REEFKIT_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define REEF_API __attribute__((visibility("default")))
#else
#define REEF_API
#endif

#define REEF_PATH_SIZE 260
#define REEF_WINDOW_PLACEMENT_SIZE 44

/* ---- Paths, folders and profile values ---- */

REEF_API char* make_pathname(const char* folder, const char* name, char* out);
REEF_API void del_last_dirmark(char* path);
REEF_API int delete_dir(const char* folder);

REEF_API int set_null(char* text);

REEF_API int get_prof_string(const char* section, const char* key, const char* file, int size, char* out);
REEF_API int set_prof_string(const char* section, const char* key, char* value, const char* file);
REEF_API int get_prof_path(const char* section, const char* key, const char* file, int size, char* out);
REEF_API int set_prof_path(const char* section, const char* key, char* path, const char* file);
REEF_API int get_prof_int(const char* section, const char* key, int radix, const char* file);
REEF_API int set_prof_int(const char* section, const char* key, int radix, int value, const char* file);
REEF_API int get_prof_time(const char* section, const char* key, const char* file);
REEF_API int set_prof_time(const char* section, const char* key, int value, const char* file);
REEF_API int del_prof_entry(const char* section, const char* key, const char* file);
REEF_API int del_prof_section(const char* section, const char* file);

REEF_API int set_top_dir(char* path);
REEF_API int get_top_dir(char* out);
REEF_API int set_log_dir(char* path);
REEF_API int get_log_dir(char* out);

/* ---- Files, texts, profile listings, window placements, digit arrays ---- */

REEF_API int CopyDir(const char* source, const char* target);
REEF_API int ffcopy(const char* source, const char* target);
REEF_API int ffmove(const char* source, const char* target);

REEF_API int adjust_string(char* text, int maximum);
REEF_API char* blk_skip(const char* text);
REEF_API void blk_del(char* text);
REEF_API int str_multibyte(const char* text);

REEF_API int get_all_section(const char* file, int max_count, int slot_size, char* out);
REEF_API int get_all_entry(const char* file, const char* section, int max_count, int key_size, int value_size,
                           char* out);
REEF_API int set_window_place(const char* key, const void* placement);
REEF_API int get_window_place(const char* key, void* placement);
REEF_API int set_array_int(const char* section, const char* key, int count, const int* values,
                           const char* file);
REEF_API int get_array_int(const char* section, const char* key, const char* file, int count, int* values);

/* CopyDir reports its failures through this hook: a message text and a box title. The
 * default writes one line to standard error; a null hook restores the default. */
typedef void (*reef_message_hook)(const char* text, const char* title);
REEF_API void reef_set_message_hook(reef_message_hook hook);

/* ---- Log-suite configuration ---- */

typedef struct ReefAlbumItem
{
    int kind;
    char comment[21];
    char image[REEF_PATH_SIZE];
} ReefAlbumItem;

typedef struct ReefColor
{
    int red;
    int green;
    int blue;
} ReefColor;

typedef struct ReefGraphConf
{
    int mode;
    int effect;
    ReefColor wall_color;
    ReefColor floor_color;
    char back_image[REEF_PATH_SIZE];
    ReefColor back_color;
    ReefColor panel_color;
    ReefColor start_color;
    ReefColor end_color;
    ReefColor grid_color;
    ReefColor exp_color;
    ReefColor cur_color;
    char gradation_image[REEF_PATH_SIZE];
} ReefGraphConf;

typedef struct ReefGraphLine
{
    int kind;
    ReefColor color;
    int width;
} ReefGraphLine;

REEF_API int path_log_confs(int type, char* out);
REEF_API int path_log_files(int type, int number, char* out);
REEF_API int path_uconf_dir(char* out);

REEF_API int set_log_int(const char* section, const char* key, int radix, int value);
REEF_API int get_log_int(const char* section, const char* key, int radix);

REEF_API int set_album_prof_int(int number, const char* section, const char* key, int radix, int value,
                                const char* file);
REEF_API int get_album_prof_int(int number, const char* section, const char* key, int radix,
                                const char* file);
REEF_API int set_album_prof_idx_data(int number, const char* section, int index, char* path,
                                     const char* file);
REEF_API int get_album_prof_idx_data(int number, const char* section, int index, int size, char* out,
                                     const char* file);
REEF_API int set_album_prof_data(int number, const char* section, const ReefAlbumItem* item,
                                 const char* file);
REEF_API int get_album_prof_data(int number, const char* section, ReefAlbumItem* item, const char* file);

REEF_API int set_diary_album_int(int number, const char* section, const char* key, int value);
REEF_API int get_diary_album_int(int number, const char* section, const char* key);
REEF_API int set_diary_album_idx_path(int number, const char* section, int index, char* path);
REEF_API int get_diary_album_idx_path(int number, const char* section, int index, int size, char* out);
REEF_API int set_diary_album_data(int number, const char* section, const ReefAlbumItem* item);
REEF_API int get_diary_album_data(int number, const char* section, ReefAlbumItem* item);

REEF_API int set_uconf_string(const char* section, const char* key, char* value);
REEF_API int get_uconf_string(const char* section, const char* key, int size, char* out);
REEF_API int set_uconf_int(const char* section, const char* key, int radix, int value);
REEF_API int get_uconf_int(const char* section, const char* key, int radix);
REEF_API int set_uconf_index_data(const char* section, int index, char* value);
REEF_API int get_uconf_index_data(const char* section, int index, int size, char* out);
REEF_API int set_uconf_array(const char* section, const char* key, int count, const int* values);
REEF_API int get_uconf_array(const char* section, const char* key, int count, int* values);
REEF_API int set_uconf_int_array(const char* section, const char* key, int count, const int* values);
REEF_API int get_uconf_int_array(const char* section, const char* key, int count, int* values);

REEF_API int set_graph_conf(const ReefGraphConf* conf);
REEF_API int get_graph_conf(ReefGraphConf* conf);
REEF_API int set_graph_line(int line, const ReefGraphLine* record);
REEF_API int get_graph_line(int line, ReefGraphLine* record);
REEF_API void set_color_rgb(int number, ReefColor* color);

#ifdef __cplusplus
}
#endif

#endif
