#include "secoes/PesquisaPlanoSaude.h"

#include "nucleo/Cnpj.h"
#include "nucleo/Ni.h"

namespace PesquisaPlanoSaude {

QString CriterioCnpj(const QString& cnpj) {
  const QString digitos = TNi::SemFormatacao(cnpj.trimmed());
  // Wrong check digits find nothing: the number is then no CNPJ of the list.
  if (digitos.size() == 14 && TCnpj::CalculaDVCnpj(digitos.left(12)) == digitos.mid(12)) return digitos.left(12);
  return digitos;
}

QString CriterioRegistroAns(const QString& registro) {
  const QString texto = registro.trimmed();
  if (texto.size() == 6) return texto.left(5) + u'-' + texto.mid(5);
  return texto;
}

std::vector<int> FiltraOperadoras(const std::vector<TLinhaOperadora>& lista, const TCriterioOperadora& criterio) {
  const QString cnpj = CriterioCnpj(criterio.cnpj);
  const QString registro = CriterioRegistroAns(criterio.registroAns);
  const QString nome = criterio.nome;
  std::vector<int> achados;
  for (int i = 0; i < int(lista.size()); ++i) {
    const TLinhaOperadora& l = lista[size_t(i)];
    if (!l.cnpj.startsWith(cnpj) || !l.registroAns.startsWith(registro) || !l.nome.startsWith(nome)) continue;
    achados.push_back(i);
  }
  return achados;
}

}  // namespace PesquisaPlanoSaude
