IDH_TUTORIAL=tutorial.htm
