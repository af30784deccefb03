#include "controles/JanelaAguardeTolv.h"

#include "controles/TfrmAguarde.h"

void JanelaAguardeTolv::mostra() { TfrmAguarde::MostraAguarde(m_dono); }

void JanelaAguardeTolv::fecha() { TfrmAguarde::FechaAguarde(); }
