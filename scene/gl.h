#pragma once

// OpenGL 1.1 and GLU for the portable code.
//
// Windows' <GL/gl.h> and <GL/glu.h> take WINGDIAPI, APIENTRY and CALLBACK from
// <windows.h>. The 64-bit Windows ABI has a single calling convention and the
// import libraries' thunks serve calls declared without dllimport, so empty
// stand-ins declare the same functions without pulling in <windows.h>. The
// stand-ins are removed again afterwards, so that platform code including
// <windows.h> later still gets the system's own definitions. Elsewhere the GL
// headers define or ignore these names themselves.

#ifndef WINGDIAPI
#define WINGDIAPI
#define QUENLOW_GL_WINGDIAPI_STANDIN
#endif
#ifndef APIENTRY
#define APIENTRY
#define QUENLOW_GL_APIENTRY_STANDIN
#endif
#ifndef CALLBACK
#define CALLBACK
#define QUENLOW_GL_CALLBACK_STANDIN
#endif

#include <GL/gl.h>
#include <GL/glu.h>

#ifdef QUENLOW_GL_WINGDIAPI_STANDIN
#undef WINGDIAPI
#undef QUENLOW_GL_WINGDIAPI_STANDIN
#endif
#ifdef QUENLOW_GL_APIENTRY_STANDIN
#undef APIENTRY
#undef QUENLOW_GL_APIENTRY_STANDIN
#endif
#ifdef QUENLOW_GL_CALLBACK_STANDIN
#undef CALLBACK
#undef QUENLOW_GL_CALLBACK_STANDIN
#endif
