#include "secoes/CarregaContribuinte.h"

#include "nucleo/Contribuinte.h"

void CarregaNumero(TContribuinte& contribuinte, int tipo, const QString& base, TErros* achados) {
  contribuinte.SetErros(achados);
  contribuinte.SetTipo(uint8_t(tipo));
  const QString b = base.trimmed();
  contribuinte.SetNiComErro(b + TNiContribuinte::CalculaDVNi(b));
  contribuinte.SetErros(nullptr);
}

void CarregaNome(TContribuinte& contribuinte, const QString& nome, TErros* achados) {
  contribuinte.SetErros(achados);
  if (nome.isEmpty())
    contribuinte.GetNome().Limpar();
  else
    contribuinte.GetNome().SetNomeComErro(nome);
  contribuinte.SetErros(nullptr);
}
