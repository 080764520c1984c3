/* The sans faces, linked into the library so text draws the same everywhere. */
#if defined(_WIN32)
    .section .rdata,"dr"
#else
    .section .rodata
#endif
    .balign 16
    .globl velda_font_sans_regular
#if !defined(_WIN32)
    .hidden velda_font_sans_regular
#endif
velda_font_sans_regular:
    .incbin "LiberationSans-Regular.ttf"
    .balign 16
    .globl velda_font_sans_bold
#if !defined(_WIN32)
    .hidden velda_font_sans_bold
#endif
velda_font_sans_bold:
    .incbin "LiberationSans-Bold.ttf"
#if !defined(_WIN32)
    .section .note.GNU-stack,"",@progbits
#endif
