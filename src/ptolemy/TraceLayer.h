#pragma once
// Which of a system's traces a drawing pass draws: a window draws the traces that stay
// (one-period traces, unanimated) once into its still layer and the rest every frame.
enum class TraceLayer {
    Both, // everything, in the order of one system after another
    StillOnly, // only the traces that stay
    MovingOnly, // everything but the traces that stay
};
