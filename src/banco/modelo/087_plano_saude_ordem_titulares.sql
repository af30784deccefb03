-- The health-plan editor walks an operator's holders a window at a time in this order; with the
-- key as the last column every holder has one place and no window is sorted.
CREATE INDEX TB_PS_TITULAR_ORDEM ON TB_PS_TITULAR (TPT_TPO_ID, TPT_NR_PF_PJ, TPT_ID);
