// The calculator proper: the video data rate that fills the max. data amount, and the
// data amount that results from the rates as they are shown. Works on `calc` alone.
#ifndef VIDOMAT_ENGINE_DATA_RATE_H
#define VIDOMAT_ENGINE_DATA_RATE_H

// payload_bits := max. data amount - reserve - frame overheads - fixed overhead (mod 2^64).
void compute_payload();
// video_rate from the payload, the length and the exact audio rate; clears
// video_reread_done. Only called while length_seconds is not 0.
void video_rate_from_payload();
// result_size_bits from the shown video and audio rates, the length and the overheads.
void compute_result_size();

#endif
