#pragma once
// Which parts of a universe's picture a drawing pass draws: a window draws what stays
// (unanimated one-period traces, observations but the current one, the sky strip's grid)
// once into its still layer and the rest every frame.
enum class TraceLayer {
    Both, // everything, in the order of one system after another
    StillOnly, // only what stays
    MovingOnly, // everything but what stays
};
