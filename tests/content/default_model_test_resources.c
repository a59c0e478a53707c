/* The module exists for its resources; this is its only code. */
int quenlowDefaultModelResources = 1;
