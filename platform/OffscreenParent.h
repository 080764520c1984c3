/* A window-less editor parent. A host that wants the editor without a window passes a pointer to
   this record as the effEditOpen window argument. It writes input events into the ring and calls
   effEditIdle; the editor consumes them, redraws and copies its pixels (RGBA, 4 bytes a pixel, rows
   of width * 4 bytes) into the host's buffer. Plain C layout: host and plug-in need not share code. */
#pragma once
#include <stdint.h>

#define VELDA_OFFSCREEN_MAGIC 0x4F534656u /* "VFSO" */
#define VELDA_OFFSCREEN_VERSION 1u
#define VELDA_OFFSCREEN_EVENTS 256

enum VeldaOffscreenEventType {
    kVeldaMouseDown = 1,
    kVeldaMouseUp = 2,
    kVeldaMouseMove = 3,
    kVeldaMouseExit = 4,
    kVeldaWheel = 5,
    kVeldaKeyDown = 6,
    kVeldaKeyUp = 7,
};

/* Button bits: 1 left, 2 middle, 4 right, 8 Shift, 16 Control, 32 Alt, 128 double click. */
struct VeldaOffscreenEvent {
    int32_t type;
    uint32_t buttons;
    double x;
    double y;
    float distance;     /* wheel notches, positive away from the user */
    int32_t character;  /* keys: character, virtual key, modifier bits as for effEditKeyDown */
    uint8_t virt;
    uint8_t modifier;
    uint8_t reserved[2];
};

struct VeldaOffscreenParent {
    uint32_t magic;       /* VELDA_OFFSCREEN_MAGIC */
    uint32_t version;     /* VELDA_OFFSCREEN_VERSION */
    int32_t width;        /* written by the editor at open */
    int32_t height;
    uint8_t* pixels;      /* host buffer */
    int64_t pixelBytes;   /* its capacity; nothing is copied unless it holds width * height * 4 */
    uint32_t presents;    /* counts the editor's pixel updates */
    int32_t isOpen;       /* 1 while an editor uses this parent */
    uint32_t eventWrite;  /* host: next slot to write; editor: consumes up to here */
    uint32_t eventRead;
    struct VeldaOffscreenEvent events[VELDA_OFFSCREEN_EVENTS];
    char fileAnswer[1024];  /* the path the next file dialog chooses; empty cancels; cleared when used */
    int32_t fileDialogs;    /* counts the file dialogs run */
    char lastDialogTitle[256];
};

#ifdef __cplusplus
namespace velda::platform {
// The record behind an effEditOpen pointer, or null when the pointer is a real window.
VeldaOffscreenParent* asOffscreenParent(void* parent);
}
#endif
