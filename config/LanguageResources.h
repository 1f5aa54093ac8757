#pragma once
// Resource ids of the six enciphered language files (resource type "LGFILE"); read by the
// resource script and by the code that writes the files out.
#define IDR_LANGUAGE_SP_ENG 276
#define IDR_LANGUAGE_SP_FRE 277
#define IDR_LANGUAGE_SP_ITA 278
#define IDR_LANGUAGE_SP_RUS 279
#define IDR_LANGUAGE_SP_SPA 280
#define IDR_LANGUAGE_SP_POR 284
