// Keeps the libraries non-empty before their folders add sources.
