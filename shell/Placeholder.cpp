// Shell.
