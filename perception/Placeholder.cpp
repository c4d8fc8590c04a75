// Perception trainers.
